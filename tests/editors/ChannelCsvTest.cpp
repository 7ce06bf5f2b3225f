#include "editors/ChannelCsv.h"

#include "EditorFixture.h"
#include "radio/ChannelCodec.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

const std::string Header =
    "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,"
    "DtcsPolarity,RxDtcsCode,CrossMode,Mode,TStep,Skip,Power,Comment,URCALL,"
    "RPT1CALL,RPT2CALL,DVCODE,BusyLock,Compander,Scrambler\n";

// A channel given as the editors' field texts.
struct Plan {
    int Channel;
    std::string Rx, Tx, RxTone, TxTone;
    std::string Flags; // bits 0..6 of ChannelFlags, "1" or "0" each
};

class ChannelCsvTest : public EditorFixture {
protected:
    void Store(const Plan& p) {
        ASSERT_TRUE(SetChannelField(db.All, p.Channel, FieldRxFreq, p.Rx));
        ASSERT_TRUE(SetChannelField(db.All, p.Channel, FieldTxFreq, p.Tx));
        ASSERT_TRUE(SetChannelField(db.All, p.Channel, FieldRxTone, p.RxTone));
        ASSERT_TRUE(SetChannelField(db.All, p.Channel, FieldTxTone, p.TxTone));
        for (int bit = 0; bit < 7; ++bit) {
            ASSERT_TRUE(SetChannelField(db.All, p.Channel, FieldFirstFlag + bit,
                                        std::string(1, p.Flags[static_cast<std::size_t>(bit)])));
        }
    }
    std::vector<std::string> Lines(const std::string& csv) {
        std::vector<std::string> lines;
        for (std::size_t pos = 0; pos < csv.size();) {
            const auto end = csv.find('\n', pos);
            lines.push_back(csv.substr(pos, end - pos));
            pos = end + 1;
        }
        return lines;
    }
    Result<std::vector<std::string>> Import(const std::string& text) {
        return ImportChannelCsv(db.All, text);
    }
};

// Every way the two tones of a channel can be exported. Flags "1111111":
// every Yes/No option off, narrow, high.
const std::vector<std::pair<Plan, std::string>> ToneCases = {
    {{1, "446.00625", "446.00625", "", "", "1111111"},
     "1,,446.006250,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,NFM,6.25,S,High,,,,,,No,No,No"},
    {{2, "446.00000", "446.00000", "", "67.0", "0100000"},
     "2,,446.000000,,0.000000,Tone,67.0,88.5,023,NN,023,Tone->Tone,FM,5.00,,Low,,,,,,Yes,Yes,Yes"},
    {{3, "446.00000", "451.00000", "123.0", "123.0", "1111111"},
     "3,,446.000000,+,5.000000,TSQL,123.0,123.0,023,NN,023,Tone->Tone,NFM,5.00,S,High,,,,,,No,No,"
     "No"},
    {{4, "446.00000", "441.00000", "D023I", "D023N", "1111111"},
     "4,,446.000000,-,5.000000,DTCS,88.5,88.5,023,NR,023,Tone->Tone,NFM,5.00,S,High,,,,,,No,No,No"},
    {{5, "446.00000", "446.00000", "67.0", "", "1111111"},
     "5,,446.000000,,0.000000,Cross,88.5,67.0,023,NN,023,->Tone,NFM,5.00,S,High,,,,,,No,No,No"},
    {{6, "446.00000", "446.00000", "D754I", "D023N", "1111111"},
     "6,,446.000000,,0.000000,Cross,88.5,88.5,023,NR,754,DTCS->DTCS,NFM,5.00,S,High,,,,,,No,No,"
     "No"},
    {{7, "446.00000", "446.00000", "D125N", "100.0", "1111111"},
     "7,,446.000000,,0.000000,Cross,100.0,88.5,023,NN,125,Tone->DTCS,NFM,5.00,S,High,,,,,,No,No,"
     "No"},
    {{8, "446.00000", "446.00000", "", "D311I", "1111111"},
     "8,,446.000000,,0.000000,Cross,88.5,88.5,311,RN,023,DTCS->,NFM,5.00,S,High,,,,,,No,No,No"},
    {{9, "446.00000", "446.00000", "67.0", "71.9", "1111111"},
     "9,,446.000000,,0.000000,Cross,71.9,67.0,023,NN,023,Tone->Tone,NFM,5.00,S,High,,,,,,No,No,No"},
    {{10, "446.00000", "", "D023N", "", "1111111"},
     "10,,446.000000,off,0.000000,Cross,88.5,88.5,023,NN,023,->DTCS,NFM,5.00,S,High,,,,,,No,No,No"},
};

} // namespace

TEST_F(ChannelCsvTest, ExportWritesOneRowPerChannelAndImportRestoresEveryRecord) {
    for (const auto& [plan, row] : ToneCases) {
        Store(plan);
    }
    const std::string csv = ExportChannelCsv(db.All);
    const auto lines = Lines(csv);
    ASSERT_EQ(lines.size(), ToneCases.size() + 1);
    EXPECT_EQ(lines[0] + "\n", Header);
    for (std::size_t i = 0; i < ToneCases.size(); ++i) {
        EXPECT_EQ(lines[i + 1], ToneCases[i].second);
    }

    std::vector<Bytes16> records;
    for (int n = 1; n <= 16; ++n) {
        records.push_back(Record(n));
    }
    // Import into a plan that has other channels: they must go.
    SetRecord(12, {0x00, 0x00, 0x60, 0x44, 0x00, 0x00, 0x60, 0x44, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF,
                   0xFF, 0xFF, 0xFF});
    ASSERT_TRUE(SetChannelField(db.All, 1, FieldRxFreq, ""));
    db.All.Modified = false;
    const auto imported = Import(csv);
    ASSERT_TRUE(imported) << imported.error().Reason;
    EXPECT_TRUE(imported->empty());
    EXPECT_TRUE(db.All.Modified);
    for (int n = 1; n <= 16; ++n) {
        EXPECT_EQ(Record(n), records[static_cast<std::size_t>(n - 1)]) << "channel " << n;
    }
}

TEST_F(ChannelCsvTest, ImportReadsSemicolonsDecimalCommasAnyOrderAndOlderLayouts) {
    Store({1, "446.00625", "446.00625", "D023I", "D023I", "1110110"});
    Store({2, "446.10000", "450.00000", "", "88.5", "1111111"});
    const auto expected1 = Record(1);
    const auto expected2 = Record(2);
    for (int n = 1; n <= 16; ++n) {
        ASSERT_TRUE(SetChannelField(db.All, n, FieldRxFreq, ""));
    }

    const std::string semicolons = "\xEF\xBB\xBFLocation;Frequency;Duplex;Offset;Tone;rToneFreq;"
                                   "cToneFreq;DtcsCode;DtcsPolarity;Mode;Skip;Power;Scrambler\r\n"
                                   "1;446,006250;;0,000000;dtcs;88,5;88,5;23;rr;nfm;S;low;yes\r\n"
                                   "\r\n"
                                   "2;446,100000;SPLIT;450,000000;tone;88,5;;;;NFM;S;High;No\r\n";
    auto imported = Import(semicolons);
    ASSERT_TRUE(imported) << imported.error().Reason;
    EXPECT_EQ(Record(1), expected1);
    EXPECT_EQ(Record(2), expected2);

    // Columns in another order, quoted names with commas, an unknown column,
    // no RxDtcsCode/CrossMode/Power or extras: the missing options take the
    // new-channel defaults (high power, every Yes/No option off).
    const std::string reordered = "power?,Frequency,\"Name\",TONE,cToneFreq,rToneFreq,LOCATION\n"
                                  "x,446.0,\"Hill, north\",tsql,,67.0,3\n"
                                  "x,446.5,\"say \"\"hi\"\"\",TSQL,71.9,67.0,4\n";
    imported = Import(reordered);
    ASSERT_TRUE(imported) << imported.error().Reason;
    EXPECT_EQ(Record(1), EmptyRecord);
    EXPECT_EQ(Record(3), (Bytes16{0x00, 0x00, 0x60, 0x44, 0x00, 0x00, 0x60, 0x44, 0x70, 0x06, 0x70,
                                  0x06, 0xFB, 0xFF, 0xFF, 0xFF}));
    EXPECT_EQ(Record(4)[8], 0x19); // TSQL takes cToneFreq when it is given
    EXPECT_EQ(Record(4)[9], 0x07);
}

TEST_F(ChannelCsvTest, ImportWarnsAboutSnappedAndOutOfBandFrequencies) {
    const auto imported = Import(Header + "1,,446.003000,,,,,,,,,,FM\n"
                                          "2,,480.000000,+,1.000000,,,,,,,,FM\n");
    ASSERT_TRUE(imported) << imported.error().Reason;
    ASSERT_EQ(imported->size(), 3u);
    EXPECT_EQ((*imported)[0], "Line 2: the frequency 446.00300 MHz is off the channel raster; "
                              "stored as 446.00000 MHz.");
    EXPECT_EQ((*imported)[1].substr(0, 7), "Line 3:");
    EXPECT_NE((*imported)[1].find("outside the band 400 - 470MHz"), std::string::npos);
    EXPECT_NE((*imported)[2].find("transmit frequency 481.00000"), std::string::npos);
    EXPECT_EQ(Record(1)[0], 0x00);
    EXPECT_EQ(Record(1)[2], 0x60);
}

TEST_F(ChannelCsvTest, ImportRefusesBadRowsWithTheirLineAndChangesNothing) {
    Store({5, "446.00000", "446.00000", "", "", "1111111"});
    const auto before = db.All.Image;
    db.All.Modified = false;
    const std::string good = "1,,446.000000,,,,,,,,,,FM\n";
    const std::vector<std::pair<std::string, std::string>> cases = {
        {good + "2,,700.000000,,,,,,,,,,FM\n", "Line 3: the frequency 700.00000 MHz is outside"},
        {good + "2,,446.0,+,210.0,,,,,,,,FM\n", "Line 3: the transmit frequency 656.00000 MHz is "},
        {good + "2,,446.0,-,200.0,,,,,,,,FM\n", "Line 3: the transmit frequency 246.00000 MHz"},
        {good + "0,,446.0\n", "Line 3: the location \"0\" is not a channel number from 1 to 16."},
        {good + "17,,446.0\n", "Line 3: the location \"17\""},
        {good + ",,446.0\n", "Line 3: the location \"\""},
        {good + "1,,446.5\n", "Line 3: channel 1 is already given on line 2."},
        {good + "2,,\n", "Line 3: the row has no frequency."},
        {good + "2,,44x6\n", "Line 3: the frequency \"44x6\" is not a frequency in MHz."},
        {good + "2,,1" + std::string(300, '0') + "\n", "Line 3: the frequency \"100"},
        {good + "2,,446.0,+,1" + std::string(300, '0') + "\n", "Line 3: the offset \"100"},
        {good + "2,,446.0,,,TSQL-R,88.5,88.5\n", "Line 3: the tone mode TSQL-R needs reverse"},
        {good + "2,,446.0,,,DTCS-R,,,023,NN\n", "Line 3: the tone mode DTCS-R needs reverse"},
        {good + "2,,446.0,,,Tone,300.0\n", "Line 3: the rToneFreq \"300.0\" is not a CTCSS tone"},
        {good + "2,,446.0,,,Tone,88.55\n", "Line 3: the rToneFreq \"88.55\""},
        {good + "2,,446.0,,,DTCS,,,028,NN\n", "Line 3: the DtcsCode \"028\" is not a DCS code"},
        {good + "2,,446.0,,,DTCS,,,023,NX\n", "Line 3: the DtcsPolarity \"NX\""},
        {good + "2,,446.0,,,Cross,,,,,,Tone-DTCS\n", "Line 3: the CrossMode \"Tone-DTCS\""},
        {good + "2,,446.0,,,Cross,,,,,,DCS->Tone\n", "Line 3: the CrossMode \"DCS->Tone\""},
        {good + "2,,446.0,,,Squelch\n", "Line 3: the tone mode \"Squelch\" is unknown."},
        {good + "2,,446.0,dup\n", "Line 3: the duplex \"dup\""},
        {good + "2,,446.0,split\n", "Line 3: Duplex split needs the transmit frequency"},
        {good + "2,,446.0,,,,,,,,,,AM\n", "Line 3: the Mode \"AM\" is not NFM or FM."},
        {good + "2,,446.0,,,,,,,,,,FM,,X\n", "Line 3: the Skip \"X\""},
        {good + "2,,446.0,,,,,,,,,,FM,,,5W\n", "Line 3: the Power \"5W\" is not High or Low."},
        {good + "2,,446.0,,,,,,,,,,FM,,,,,,,,,maybe\n", "Line 3: the BusyLock \"maybe\""},
        {good + "2,\"open,446.0\n", "Line 3: a quoted field is never closed."},
    };
    for (const auto& [rows, reason] : cases) {
        const auto imported = Import(Header + rows);
        ASSERT_FALSE(imported) << rows;
        EXPECT_EQ(imported.error().Reason.substr(0, reason.size()), reason) << rows;
        EXPECT_EQ(db.All.Image, before) << rows;
        EXPECT_FALSE(db.All.Modified);
    }
    for (const std::string text : {"", "\n\n", "Name,Frequency\n", "Location,Name\n"}) {
        EXPECT_FALSE(Import(text)) << text;
    }
    EXPECT_EQ(db.All.Image, before);
}

TEST_F(ChannelCsvTest, EncodeToneWithoutTransmitFrequencyIsDroppedWithAWarning) {
    const auto imported = Import(Header + "1,,446.0,off,,Tone,67.0\n");
    ASSERT_TRUE(imported) << imported.error().Reason;
    ASSERT_EQ(imported->size(), 1u);
    EXPECT_EQ((*imported)[0], "Line 2: without a transmit frequency the encode tone is dropped.");
    EXPECT_EQ(Record(1), (Bytes16{0x00, 0x00, 0x60, 0x44, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF,
                                  0xFF, 0xEB, 0xFF, 0xFF, 0xFF}));
}
