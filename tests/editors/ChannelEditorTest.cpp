#include "editors/ChannelEditor.h"

#include "EditorFixture.h"
#include "RecordingHost.h"

#include <gtest/gtest.h>

namespace {

class ChannelEditorTest : public EditorFixture {
protected:
    ChannelEditorTest() {
        db.All.CurrentChannel = 1;
        editor.LoadChannel();
    }

    RecordingHost host;
    TChannelEditor editor{db.All, host};
};

} // namespace

TEST_F(ChannelEditorTest, EmptyChannelLeavesOnlyTheReceiveBoxOpen) {
    editor.Form.Rx = "1";
    editor.Form.ScanAdd = true;
    editor.Form.Narrow = 1;
    editor.Form.HighPower = 0;
    editor.LoadChannel();
    const TChannelForm& form = editor.Form;
    EXPECT_FALSE(form.FieldsEnabled);
    EXPECT_FALSE(form.TxToneEnabled);
    EXPECT_EQ(form.Rx, "");
    EXPECT_EQ(form.Tx, "");
    EXPECT_EQ(form.RxTone, "None");
    EXPECT_EQ(form.TxTone, "None");
    EXPECT_EQ(form.Narrow, 0);
    EXPECT_EQ(form.HighPower, 0); // the power list keeps its entry
    EXPECT_FALSE(form.ScanAdd);
}

TEST_F(ChannelEditorTest, LoadShowsTheRecordWithInvertedOptions) {
    SetRecord(1, {0x25, 0x06, 0x60, 0x44, 0xFF, 0xFF, 0xFF, 0xFF, 0x70, 0x06, 0x23, 0x80, 0xEA,
                  0xFF, 0xFF, 0xFF});
    editor.LoadChannel();
    const TChannelForm& form = editor.Form;
    EXPECT_TRUE(form.FieldsEnabled);
    EXPECT_FALSE(form.TxToneEnabled); // no transmit frequency
    EXPECT_EQ(form.Rx, "446.00625");
    EXPECT_EQ(form.Tx, "");
    EXPECT_EQ(form.RxTone, "67.0");
    EXPECT_EQ(form.TxTone, "None");
    EXPECT_EQ(form.HighPower, 1);
    EXPECT_EQ(form.Narrow, 0);
    EXPECT_TRUE(form.BusyLock);
    EXPECT_TRUE(form.ScanAdd);
    EXPECT_FALSE(form.Compander);
    EXPECT_FALSE(form.Scrambler);
}

TEST_F(ChannelEditorTest, TypingAReceiveFrequencyCreatesTheChannel) {
    editor.Form.Rx = "446";
    EXPECT_TRUE(editor.RxChanged().empty());
    EXPECT_EQ(editor.Form.Tx, "446.00000");
    EXPECT_TRUE(editor.Form.FieldsEnabled);
    // High power, wide, every option off, Whisper bit 7 written as 1.
    EXPECT_EQ(Record(1), (Bytes16{0x00, 0x00, 0x60, 0x44, 0x00, 0x00, 0x60, 0x44, 0xFF, 0xFF, 0xFF,
                                  0xFF, 0xFB, 0xFF, 0xFF, 0xFF}));
    EXPECT_TRUE(db.All.Modified);
    EXPECT_EQ(host.Calls, std::vector<std::string>{"refresh0"});
}

TEST_F(ChannelEditorTest, ReceiveEntryWarnings) {
    const struct {
        const char* typed;
        std::vector<FreqMsg> msgs;
        const char* shown;
    } cases[] = {
        {"700", {FreqMsg::ErrRange}, "470.00000"},
        {"200", {FreqMsg::ErrRange}, "400.00000"},
        {"480", {FreqMsg::OutRange}, "480.00000"},
        {"446.0093", {}, "446.00625"},
    };
    for (const auto& c : cases) {
        editor.Form.Rx = c.typed;
        EXPECT_EQ(editor.RxChanged(), c.msgs) << c.typed;
        EXPECT_EQ(editor.Form.Rx, c.shown);
    }
    // A text that is no number is refused: nothing is stored.
    const Bytes16 before = Record(1);
    host.Calls.clear();
    editor.Form.Rx = ".";
    EXPECT_EQ(editor.RxChanged(), std::vector<FreqMsg>{FreqMsg::ErrRange});
    EXPECT_EQ(editor.Form.Rx, ".");
    EXPECT_EQ(Record(1), before);
    EXPECT_TRUE(host.Calls.empty());
}

TEST_F(ChannelEditorTest, ClearingTheTransmitBoxDropsTheEncodeTone) {
    SetRecord(1, {0x25, 0x06, 0x60, 0x44, 0x25, 0x06, 0x60, 0x44, 0x70, 0x06, 0x23, 0x80, 0xEB,
                  0xFF, 0xFF, 0xFF});
    editor.LoadChannel();
    editor.Form.Tx = "";
    EXPECT_TRUE(editor.TxChanged().empty());
    EXPECT_EQ(editor.Form.TxTone, "None");
    EXPECT_FALSE(editor.Form.TxToneEnabled);
    const Bytes16 record = Record(1);
    EXPECT_EQ(record[4] & record[5] & record[6] & record[7] & record[10] & record[11], 0xFF);
    EXPECT_EQ(record[8], 0x70);

    editor.Form.Tx = "7";
    EXPECT_EQ(editor.TxChanged(), std::vector<FreqMsg>{FreqMsg::ErrRange});
    EXPECT_EQ(editor.Form.Tx, "400.00000");
    EXPECT_TRUE(editor.Form.TxToneEnabled);
    // An unreadable transmit text warns, keeps the old bytes and stores the rest.
    editor.Form.Tx = "4..";
    editor.Form.BusyLock = false;
    EXPECT_EQ(editor.TxChanged(), std::vector<FreqMsg>{FreqMsg::ErrRange});
    EXPECT_EQ(Record(1)[7], 0x40);
    EXPECT_EQ(Record(1)[12] & 1, 1);
}

TEST_F(ChannelEditorTest, EveryStoreWritesBit7AndKeepsBit1) {
    SetRecord(1, {0x00, 0x00, 0x60, 0x44, 0x00, 0x00, 0x60, 0x44, 0xFF, 0xFF, 0xFF, 0xFF, 0x00,
                  0xFF, 0xFF, 0xFF});
    editor.LoadChannel();
    EXPECT_TRUE(editor.Form.BusyLock);
    editor.StoreChannel();
    EXPECT_EQ(Record(1)[12], 0x80);
    editor.Form.BusyLock = false;
    editor.StoreChannel();
    EXPECT_EQ(Record(1)[12], 0x81);
    SetRecord(1, {0x00, 0x00, 0x60, 0x44});
    RadioImage(db.All.Image).Channel(1)[12] = 0x02;
    editor.Form.BusyLock = true;
    editor.StoreChannel();
    EXPECT_EQ(Record(1)[12], 0x82);
}

TEST_F(ChannelEditorTest, TypedTonesAreNormalisedAndStored) {
    editor.Form.Rx = "446";
    (void)editor.RxChanged();
    editor.Form.TxTone = "D023N";
    editor.ToneChanged(true);
    EXPECT_EQ(Record(1)[10], 0x23);
    EXPECT_EQ(Record(1)[11], 0x80);
    editor.Form.RxTone = " 25 ";
    editor.ToneChanged(false);
    EXPECT_EQ(editor.Form.RxTone, "30.0");
    EXPECT_EQ(Record(1)[8], 0x00);
    EXPECT_EQ(Record(1)[9], 0x03);
    editor.Form.RxTone = "";
    editor.ToneChanged(false);
    EXPECT_EQ(editor.Form.RxTone, "None");
    EXPECT_EQ(Record(1)[8], 0xFF);
}

TEST_F(ChannelEditorTest, ClearingTheReceiveBoxEmptiesTheChannel) {
    editor.Form.Rx = "446";
    (void)editor.RxChanged();
    editor.Form.Rx = "  ";
    EXPECT_TRUE(editor.RxChanged().empty());
    EXPECT_FALSE(editor.Form.FieldsEnabled);
    EXPECT_EQ(editor.Form.Tx, "");
    EXPECT_EQ(Record(1)[0], 0xFF);
    editor.LoadChannel();
    EXPECT_FALSE(editor.Form.FieldsEnabled);
}

TEST_F(ChannelEditorTest, ChannelBoxSelectsAndLoads) {
    SetRecord(16, {0x00, 0x00, 0x60, 0x44, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF});
    editor.ChannelChosen(ChannelBoxValue("17", 3));
    EXPECT_EQ(db.All.CurrentChannel, 16);
    EXPECT_EQ(editor.Form.Rx, "446.00000");
    EXPECT_EQ(host.Calls, std::vector<std::string>{"select"});
    const struct {
        const char* typed;
        int value;
    } cases[] = {{"0", 1}, {"17", 16}, {"5.9", 5}, {" 7 ", 7}, {"", 3}, {"x", 3}, {"-2", 3}};
    for (const auto& c : cases) {
        EXPECT_EQ(ChannelBoxValue(c.typed, 3), c.value) << c.typed;
    }
}
