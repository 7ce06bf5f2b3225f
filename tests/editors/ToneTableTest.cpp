#include "editors/ToneTable.h"

#include <gtest/gtest.h>

TEST(ToneTable, CtcssPageGroupsIndexToneAndCode) {
    const TToneTable table = BuildToneTable(TonePage::Ctcss);
    ASSERT_EQ(table.Rows, 9);
    ASSERT_EQ(table.Columns, 15);
    EXPECT_EQ(table.Widths[0], 32);
    EXPECT_EQ(table.Widths[1], 43);
    EXPECT_EQ(table.Widths[14], 32);
    // 88.5 is the ninth tone of group 1: only its tone cell can be picked.
    EXPECT_EQ(table.At(8, 0).Text, "09");
    EXPECT_FALSE(table.At(8, 0).Pickable);
    EXPECT_EQ(table.At(8, 1).Text, "88.5");
    EXPECT_TRUE(table.At(8, 1).Pickable);
    EXPECT_EQ(table.At(8, 2).Text, "YB");
    EXPECT_FALSE(table.At(8, 2).Pickable);
    EXPECT_EQ(table.At(0, 0).Colour, 0xF98DE3u);
    EXPECT_EQ(table.At(0, 1).Colour, 0xFFFFFFu);
    EXPECT_EQ(table.At(0, 2).Colour, 0xE1F970u);
    // Group 5 ends with 225.7 .. 254.1 and three blank rows.
    const char* group5[] = {"225.7", "229.1", "233.6", "241.8", "250.3", "254.1", "", "", ""};
    for (int r = 0; r < 9; ++r) {
        EXPECT_EQ(table.At(r, 13).Text, group5[r]) << r;
    }
    EXPECT_EQ(table.At(8, 12).Text, "");
    EXPECT_EQ(table.At(8, 14).Text, "");
}

TEST(ToneTable, DcsPagesCarryThePolarity) {
    const TToneTable normal = BuildToneTable(TonePage::DcsNormal);
    const TToneTable inverted = BuildToneTable(TonePage::DcsInverted);
    for (const TToneTable* table : {&normal, &inverted}) {
        ASSERT_EQ(table->Rows, 11);
        ASSERT_EQ(table->Columns, 16);
        EXPECT_EQ(table->Widths[0], 25);
        EXPECT_EQ(table->Widths[1], 43);
        EXPECT_EQ(table->At(0, 0).Text, "1");
        EXPECT_EQ(table->At(0, 0).Colour, 0x2FE7DCu);
        EXPECT_FALSE(table->At(0, 0).Pickable);
        EXPECT_TRUE(table->At(0, 1).Pickable);
        // Group 8 holds codes 78 to 85 and three blank rows.
        EXPECT_EQ(table->At(7, 14).Text, "85");
        for (int r = 8; r < 11; ++r) {
            EXPECT_EQ(table->At(r, 14).Text, "");
            EXPECT_EQ(table->At(r, 15).Text, "");
        }
    }
    EXPECT_EQ(normal.At(0, 1).Text, "D023N");
    EXPECT_EQ(inverted.At(0, 1).Text, "D023I");
    EXPECT_EQ(inverted.At(7, 15).Text, "D754I");
}
