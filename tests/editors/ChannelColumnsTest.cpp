#include "editors/ChannelColumns.h"

#include <gtest/gtest.h>

TEST(ChannelColumns, BuiltInLayout) {
    const auto columns = BuildColumns(DefaultColumnList());
    ASSERT_EQ(columns.size(), 11u);
    EXPECT_EQ(columns[0].Title, "Channel No.");
    EXPECT_EQ(columns[0].Width, 70);
    EXPECT_EQ(columns[0].Align, ColumnAlign::Centre);
    EXPECT_EQ(columns[1].Title, "RX Frequency");
    EXPECT_EQ(columns[1].Align, ColumnAlign::Right);
    EXPECT_EQ(columns[4].Width, 80);
    EXPECT_EQ(columns[10].Title, "Busy Lock");
    EXPECT_EQ(columns[10].Align, ColumnAlign::Centre);
    EXPECT_EQ(GridWindowWidth(columns), 800);
}

TEST(ChannelColumns, BrokenTranslatedListKeepsBuiltInValues) {
    // A short list with a width that is no number and an unknown alignment.
    std::vector<std::string> list = DefaultColumnList();
    list[0] = "Kanal";
    list[11] = "wide";
    list[12] = "-5";
    list[23] = "9";
    list.resize(30);
    const auto columns = BuildColumns(list);
    ASSERT_EQ(columns.size(), 11u);
    EXPECT_EQ(columns[0].Title, "Kanal");
    EXPECT_EQ(columns[0].Width, 70);
    EXPECT_EQ(columns[1].Width, 90);
    EXPECT_EQ(columns[1].Align, ColumnAlign::Right);
    EXPECT_EQ(columns[10].Align, ColumnAlign::Centre);
}
