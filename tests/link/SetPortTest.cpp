#include "link/SetPort.h"
#include "app/TALL.h"

#include "TempDir.h"

#include <QComboBox>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <gtest/gtest.h>

#include <memory>
#include <set>

namespace {

// Devices for COM1..COM21; the test says which of them can be opened.
struct SetPortTest : ::testing::Test {
    TALL all;
    std::set<int> openable;
    std::unique_ptr<TfSetPort> dialog;

    void Show(const std::string& stored) {
        all.ComPort = stored;
        std::vector<PortPin> pins;
        for (int n = 1; n <= 21; ++n)
            pins.push_back({n, "/dev/ttyUSB" + std::to_string(n - 1)});
        dialog = std::make_unique<TfSetPort>(all, PortDirectory(pins, {}),
                                             [this](const std::string& device) {
                                                 const int n = std::stoi(device.substr(11)) + 1;
                                                 return openable.contains(n);
                                             });
        dialog->show();
    }
    // Numbers of the radio buttons for which `test` holds.
    template <typename Test> std::vector<int> Buttons(Test test) const {
        std::vector<int> numbers;
        for (int n = 1; n <= TfSetPort::PortButtons; ++n) {
            if (test(*dialog->PortButton(n)))
                numbers.push_back(n);
        }
        return numbers;
    }
    std::vector<int> Enabled() const {
        return Buttons([](const QRadioButton& b) { return b.isEnabled(); });
    }
    std::vector<int> Checked() const {
        return Buttons([](const QRadioButton& b) { return b.isChecked(); });
    }
    void Press(const char* button) {
        dialog->findChild<QPushButton*>(QString::fromLatin1(button))->click();
    }
};

TEST_F(SetPortTest, OnlyOpenablePortsUpToTwentyAreOfferedAndTheStoredOneIsChecked) {
    openable = {2, 21};
    Show("COM7");
    EXPECT_EQ(Enabled(), std::vector<int>{2});
    EXPECT_EQ(Checked(), std::vector<int>{7}) << "checked although it cannot be opened";
    const auto* list = dialog->findChild<QComboBox*>(QStringLiteral("cbCom"));
    ASSERT_EQ(list->count(), 2);
    EXPECT_EQ(list->itemText(1), QStringLiteral("COM21"));
    EXPECT_EQ(dialog->PortButton(2)->toolTip(), QStringLiteral("/dev/ttyUSB1"));
    EXPECT_EQ(dialog->findChild<QGroupBox*>(QStringLiteral("cxPort"))->title(),
              QStringLiteral("Communication Port"));
    // Four columns of five.
    EXPECT_LT(dialog->PortButton(5)->x(), dialog->PortButton(6)->x());
    EXPECT_EQ(dialog->PortButton(1)->x(), dialog->PortButton(5)->x());
}

TEST_F(SetPortTest, OkTakesTheCheckedPortCancelKeepsTheStoredOne) {
    struct Case {
        const char* stored;
        int check; // 0: leave the buttons as they are
        const char* button;
        const char* expected;
    };
    for (const Case& c : {Case{"COM7", 2, "btnCancel", "COM7"}, Case{"COM7", 2, "btnOk", "COM2"},
                          Case{"COM7", 0, "btnOk", "COM7"}, Case{"COM25", 0, "btnOk", "COM25"},
                          Case{"Junk", 0, "btnOk", "Junk"}}) {
        openable = {1, 2, 3};
        Show(c.stored);
        if (c.check)
            dialog->PortButton(c.check)->setChecked(true);
        Press(c.button);
        EXPECT_EQ(all.ComPort, c.expected) << c.stored << " " << c.button;
        EXPECT_FALSE(dialog->isVisible());
    }
}

TEST_F(SetPortTest, NoPortAvailableLeavesEverythingDisabled) {
    Show("COM25");
    EXPECT_TRUE(Enabled().empty());
    EXPECT_TRUE(Checked().empty());
}

TEST_F(SetPortTest, ATranslatedDialogTakesItsCaptionPrefixFromTheLanguageFile) {
    TempDir dir;
    dir.Write("Test.Ini",
              "[fSetPort]\nfSetPort.Caption=Serial port\nlbName.Caption=Port \xE5\x8F\xA3"
              "\nbtnOk.Caption=&Yes\n");
    all.AppDir = dir.Dir();
    all.LanguageName = "Test";
    all.LanguageIndex = 1;
    Show("COM1");
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Serial port"));
    EXPECT_EQ(dialog->findChild<QGroupBox*>(QStringLiteral("cxPort"))->title(),
              QStringLiteral("Serial port"));
    EXPECT_EQ(dialog->PortButton(3)->text(), QString::fromUtf8("Port \xE5\x8F\xA3"
                                                               "3"));
    EXPECT_EQ(dialog->findChild<QPushButton*>(QStringLiteral("btnOk"))->text(),
              QStringLiteral("&Yes"));
}

TEST_F(SetPortTest, TheShippedChineseFileTranslatesTheDialog) {
    all.AppDir = KX40_TEST_DATA "/../../lang/";
    all.LanguageName = "Chinese";
    all.LanguageIndex = 1;
    Show("COM1");
    EXPECT_EQ(dialog->windowTitle(), QString::fromUtf8("通讯端口"));
    EXPECT_EQ(dialog->PortButton(12)->text(), QString::fromUtf8("串口12"));
}

} // namespace
