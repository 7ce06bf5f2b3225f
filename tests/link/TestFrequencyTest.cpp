#include "link/TestFrequency.h"
#include "app/Maindb.h"

#include "ScriptedMessages.h"

#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace {

// Band 400 - 470 MHz, model limits 300 and 650 MHz.
struct TestFrequencyTest : ::testing::Test {
    TfMaindb db{"/nonexistent/"};
    ScriptedMessages messages{db};
    std::unique_ptr<TfTestFrequency> form;

    void SetUp() override {
        ASSERT_TRUE(db.CompleteStartup({0xEA, 0x07, 0x0C, 0x09, 0x08, 0x26, 0x0A}).has_value());
        Open();
    }
    void Open() {
        form = std::make_unique<TfTestFrequency>(db);
        form->show();
    }
    QString Enter(int row, int column, const QString& text) {
        form->gvData->item(row, column)->setText(text);
        return form->gvData->item(row, column)->text();
    }
};

TEST_F(TestFrequencyTest, ShowsSixteenEmptyChannels) {
    EXPECT_EQ(form->objectName(), "fTestFrequency");
    EXPECT_EQ(form->windowTitle(), "Test Frequency");
    ASSERT_EQ(form->gvData->rowCount(), 16);
    EXPECT_EQ(form->gvData->horizontalHeaderItem(1)->text(), "接收[MHz]");
    EXPECT_EQ(form->gvData->item(15, 0)->text(), "16");
    EXPECT_FALSE(form->gvData->item(0, 0)->flags() & Qt::ItemIsEditable);
    EXPECT_TRUE(form->gvData->item(0, 1)->text().isEmpty());
    EXPECT_FALSE(form->Label1->isVisible());
}

TEST_F(TestFrequencyTest, EntriesAreCheckedAgainstLimitsAndBand) {
    struct Case {
        const char* typed;
        const char* shown;
        const std::string* message;
    };
    const Case cases[] = {
        {"435.5", "435.50000", nullptr},
        {"700", "470.00000", &db.Language.ErrRange},
        {"250", "400.00000", &db.Language.ErrRange},
        {"480", "480.00000", &db.Language.OutRange},
        {".", "", nullptr},
        {"abc", "", nullptr},
    };
    int row = 0;
    for (const auto& c : cases) {
        messages.shown.clear();
        EXPECT_EQ(Enter(row, 1 + row % 2, QString::fromLatin1(c.typed)), c.shown) << c.typed;
        ASSERT_EQ(messages.shown.size(), c.message ? 1u : 0u) << c.typed;
        if (c.message) {
            EXPECT_EQ(messages.shown[0].Caption, db.Language.Caution);
            EXPECT_EQ(messages.shown[0].Text, *c.message);
        }
        ++row;
    }
}

TEST_F(TestFrequencyTest, ClosingAfterAnEntryWarnsOnceAndReopeningStartsEmpty) {
    form->btnOk->click();
    EXPECT_TRUE(messages.shown.empty()) << "no entry, no warning";

    Open();
    Enter(2, 1, "abc");
    form->btnCancel->click();
    EXPECT_TRUE(messages.shown.empty()) << "a refused entry changes nothing";

    Open();
    Enter(0, 1, "435.5");
    Enter(0, 2, "436");
    form->close();
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].Caption, db.Language.Confirmation);
    EXPECT_EQ(messages.shown[0].Text, "Test Frequency mismatch.\nExecute read data from radio or "
                                      "write to radio.");
    EXPECT_FALSE(form->isVisible());

    Open();
    EXPECT_TRUE(form->gvData->item(0, 1)->text().isEmpty());
    EXPECT_FALSE(form->Changed());
}

} // namespace
