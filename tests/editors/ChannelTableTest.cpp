#include "editors/ChannelTable.h"

#include "EditorFixture.h"
#include "RecordingHost.h"

#include <gtest/gtest.h>

namespace {

class ChannelTableTest : public EditorFixture {
protected:
    ChannelTableTest() {
        table.LoadAllRows();
        db.All.Modified = false;
    }

    std::vector<std::string> RowTexts(int channel) {
        std::vector<std::string> texts;
        for (int c = 1; c <= TChannelTable::Columns; ++c) {
            texts.push_back(table.Cell(channel, c).Text);
        }
        return texts;
    }

    RecordingHost host;
    TChannelTable table{db.All, host};
};

// A typical programmed channel: 446.00625 both ways, 67.0 / D023N, flags 0xEB.
constexpr std::initializer_list<std::uint8_t> Example = {
    0x25, 0x06, 0x60, 0x44, 0x25, 0x06, 0x60, 0x44, 0x70, 0x06, 0x23, 0x80, 0xEB, 0xFF, 0xFF, 0xFF};

} // namespace

TEST_F(ChannelTableTest, ResetImageShowsSixteenEmptyRows) {
    ASSERT_EQ(table.RowCount(), 16);
    EXPECT_EQ(table.Cell(16, 1).Text, "16");
    for (int channel = 1; channel <= 16; ++channel) {
        EXPECT_FALSE(table.ChannelExists(channel));
        EXPECT_FALSE(table.Cell(channel, 2).ReadOnly);
        EXPECT_TRUE(table.Cell(channel, 3).ReadOnly);
        for (int column = 3; column <= 11; ++column) {
            EXPECT_EQ(table.EditorFor(channel, column), CellEditor::None);
        }
    }
}

TEST_F(ChannelTableTest, LoadChannelRowShowsTheRecord) {
    SetRecord(3, Example);
    table.LoadChannelRow(3);
    EXPECT_EQ(RowTexts(3), (std::vector<std::string>{"3", "446.00625", "446.00625", "67.0", "D023N",
                                                     "High", "Wide", "Yes", "No", "No", "No"}));
    EXPECT_EQ(table.Cell(3, 1).Value, "1");
    EXPECT_EQ(table.Cell(3, 8).Value, "0");
    EXPECT_EQ(table.Cell(3, 11).Value, "1");
    EXPECT_FALSE(table.Cell(3, 3).ReadOnly);
    EXPECT_FALSE(db.All.Modified);
    EXPECT_TRUE(host.Calls.empty());
}

TEST_F(ChannelTableTest, TypingIntoAnEmptyRowCreatesTheChannel) {
    EXPECT_EQ(table.CellTextSet(2, 2, "446"), FreqMsg::None);
    EXPECT_EQ(RowTexts(2), (std::vector<std::string>{"2", "446.00000", "446.00000", "None", "None",
                                                     "High", "Wide", "No", "No", "No", "No"}));
    // Bits 0 and 3 to 6 set, bit 2 clear, bits 1 and 7 as they were.
    EXPECT_EQ(Record(2), (Bytes16{0x00, 0x00, 0x60, 0x44, 0x00, 0x00, 0x60, 0x44, 0xFF, 0xFF, 0xFF,
                                  0xFF, 0xFB, 0xFF, 0xFF, 0xFF}));
    EXPECT_TRUE(db.All.Modified);
    EXPECT_TRUE(table.ChannelExists(2));
    EXPECT_EQ(table.EditorFor(2, 5), CellEditor::EncodeTone);
    EXPECT_EQ(host.Calls, std::vector<std::string>(10, "refresh2"));
}

TEST_F(ChannelTableTest, FrequencyEntriesStoreTheCheckedValue) {
    const struct {
        int column;
        const char* typed;
        FreqMsg msg;
        const char* shown;
        std::initializer_list<std::uint8_t> bytes;
    } cases[] = {
        {2, "480", FreqMsg::OutRange, "480.00000", {0x00, 0x00, 0x00, 0x48}},
        {2, "700", FreqMsg::ErrRange, "470.00000", {0x00, 0x00, 0x00, 0x47}},
        {2, "200", FreqMsg::ErrRange, "400.00000", {0x00, 0x00, 0x00, 0x40}},
        {2, ".", FreqMsg::OutRange, "470.00000", {0x00, 0x00, 0x00, 0x47}},
        {2, "446.003", FreqMsg::None, "446.00000", {0x00, 0x00, 0x60, 0x44}},
        {3, "446.005", FreqMsg::None, "446.00500", {0x00, 0x05, 0x60, 0x44}},
        {3, "446.00625", FreqMsg::None, "446.00625", {0x25, 0x06, 0x60, 0x44}},
    };
    SetRecord(1, Example);
    table.LoadChannelRow(1);
    for (const auto& c : cases) {
        EXPECT_EQ(table.CellTextSet(1, c.column, c.typed), c.msg) << c.typed;
        EXPECT_EQ(table.Cell(1, c.column).Text, c.shown) << c.typed;
        const auto record = Record(1);
        const std::size_t at = c.column == 2 ? 0 : 4;
        EXPECT_TRUE(std::equal(c.bytes.begin(), c.bytes.end(), record.begin() + at)) << c.typed;
    }
}

TEST_F(ChannelTableTest, ClearingFrequencies) {
    SetRecord(4, Example);
    table.LoadChannelRow(4);
    table.CellTextSet(4, 3, " ");
    EXPECT_EQ(table.Cell(4, 3).Text, "");
    EXPECT_EQ(table.Cell(4, 5).Text, "None");
    EXPECT_EQ(table.EditorFor(4, 5), CellEditor::None);
    EXPECT_EQ(Record(4), (Bytes16{0x25, 0x06, 0x60, 0x44, 0xFF, 0xFF, 0xFF, 0xFF, 0x70, 0x06, 0xFF,
                                  0xFF, 0xEB, 0xFF, 0xFF, 0xFF}));

    table.CellTextSet(4, 2, "");
    EXPECT_EQ(Record(4), EmptyRecord);
    EXPECT_FALSE(table.ChannelExists(4));
    EXPECT_TRUE(table.Cell(4, 3).ReadOnly);
    for (int column = 2; column <= 11; ++column) {
        EXPECT_EQ(table.Cell(4, column).Text, "");
    }
}

TEST_F(ChannelTableTest, OptionAndToneEditorsStoreTheirField) {
    const struct {
        int column;
        int index;
        const char* tone;
        std::size_t byte;
        std::uint8_t value;
    } cases[] = {
        {11, 1, nullptr, 12, 0xEB},                       // Busy Lock "No": bit 0 set
        {11, 0, nullptr, 12, 0xEA},                       // "Yes": bit 0 clear
        {6, 0, nullptr, 12, 0xE2},                        // Low power: bit 3 clear
        {7, 1, nullptr, 12, 0xE6},                        // Narrow: bit 2 set
        {8, 1, nullptr, 12, 0xF6},                        // Scan Add "No": bit 4 set
        {4, 0, "88.5", 8, 0x85},    {4, 0, "d", 8, 0x77}, // an unknown code becomes D777N
        {5, 0, "None", 10, 0xFF},   {5, 0, "25", 10, 0x00},
    };
    SetRecord(1, Example);
    table.LoadChannelRow(1);
    for (const auto& c : cases) {
        db.All.Modified = false;
        if (c.tone) {
            table.ToneEntered(1, c.column, c.tone);
        } else {
            table.OptionChosen(1, c.column, c.index);
            EXPECT_EQ(table.Cell(1, c.column).Value, std::to_string(c.index));
        }
        EXPECT_EQ(Record(1)[c.byte], c.value) << c.column;
        EXPECT_TRUE(db.All.Modified);
    }
    EXPECT_EQ(table.Cell(1, 4).Text, "D777N");
    EXPECT_EQ(table.Cell(1, 5).Text, "30.0");
    EXPECT_EQ(Record(1)[11], 0x03);
}

TEST_F(ChannelTableTest, EmptyRowsOfferNoEditors) {
    table.OptionChosen(5, 11, 0);
    table.ToneEntered(5, 4, "88.5");
    EXPECT_EQ(table.CellTextSet(5, 3, "446"), FreqMsg::None);
    EXPECT_EQ(Record(5), EmptyRecord);
    EXPECT_FALSE(db.All.Modified);
}

TEST_F(ChannelTableTest, SelectingARowMakesItTheCurrentChannel) {
    table.SelectRow(8);
    table.SelectRow(8);
    EXPECT_EQ(db.All.CurrentChannel, 8);
    EXPECT_EQ(host.Calls, std::vector<std::string>{"select+reload"});
}

TEST_F(ChannelTableTest, RowsNeverReachPastTheChannelRecords) {
    db.All.ChannelCount = 40;
    TChannelTable big(db.All, host);
    EXPECT_EQ(big.RowCount(), 16);
    EXPECT_EQ(big.CellTextSet(17, 2, "446"), FreqMsg::None);
    EXPECT_FALSE(db.All.Modified);
}
