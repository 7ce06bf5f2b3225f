#include "lang/SetLanguage.h"
#include "app/Maindb.h"

#include "ScriptedMessages.h"
#include "TempDir.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

QStringList Items(const QComboBox& c) {
    QStringList items;
    for (int i = 0; i < c.count(); ++i) {
        items << c.itemText(i);
    }
    return items;
}

struct Dialog {
    explicit Dialog(TfMaindb& db) : dialog(db) { dialog.show(); }
    QComboBox& Combo() { return *dialog.findChild<QComboBox*>(QStringLiteral("cbLanguage")); }
    QPushButton& Button(const char* name) {
        return *dialog.findChild<QPushButton*>(QLatin1String(name));
    }
    TfSetLanguage dialog;
};

TEST(SetLanguage, ShowsTheListedLanguagesAndPicksAnother) {
    TempDir tmp;
    TfMaindb db(tmp.Dir());
    Dialog d(db);
    EXPECT_EQ(d.dialog.objectName(), "fSetLanguage");
    EXPECT_EQ(d.dialog.windowTitle(), "Language File Setup");
    EXPECT_EQ(Items(d.Combo()), (QStringList{"中文", "英文"}));
    EXPECT_EQ(d.Combo().currentIndex(), 0);
    EXPECT_FALSE(d.dialog.findChild<QListWidget*>(QStringLiteral("Language"))->isVisible());

    d.Combo().setCurrentIndex(1);
    d.Button("btnOk").click();
    EXPECT_TRUE(d.dialog.LanguageChanged());
    EXPECT_EQ(d.dialog.result(), QDialog::Accepted);
    EXPECT_EQ(db.All.LanguageName, "English");
    EXPECT_EQ(db.All.LanguageIndex, 1);
    // The choice reaches the file only when the settings are saved at exit.
    EXPECT_FALSE(std::filesystem::exists(tmp.Path("SysInfo.Ini")));
}

TEST(SetLanguage, TheCurrentLanguageOrCancelChangesNothing) {
    TempDir tmp;
    TfMaindb db(tmp.Dir());
    {
        Dialog d(db);
        d.Button("btnOk").click();
        EXPECT_FALSE(d.dialog.LanguageChanged());
        EXPECT_EQ(d.dialog.result(), QDialog::Accepted);
    }
    Dialog d(db);
    d.Combo().setCurrentIndex(1);
    d.Button("btnCancel").click();
    EXPECT_FALSE(d.dialog.LanguageChanged());
    EXPECT_EQ(d.dialog.result(), QDialog::Rejected);
    EXPECT_EQ(db.All.LanguageName, "Chinese");
    EXPECT_EQ(db.All.LanguageIndex, 0);
}

TEST(SetLanguage, DisplayEntryWithoutALanguageNameIsRefusedAndTheDialogStays) {
    TempDir tmp;
    tmp.Write("SysInfo.Ini", "[SysInfo]\nLanguage=Chinese\nChinese=A|B|C\n");
    TfMaindb db(tmp.Dir());
    ScriptedMessages messages(db);
    Dialog d(db);
    d.Combo().setCurrentIndex(2);
    d.Button("btnOk").click();
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].Caption, db.Language.Confirmation);
    EXPECT_NE(messages.shown[0].Text.find("(2)"), std::string::npos);
    EXPECT_TRUE(d.dialog.isVisible());
    EXPECT_FALSE(d.dialog.LanguageChanged());
    EXPECT_EQ(db.All.LanguageName, "Chinese");
    EXPECT_EQ(db.All.LanguageIndex, 0);
}

TEST(SetLanguage, TranslatedInASecondLanguageButTheDisplayNamesAreNot) {
    TempDir tmp;
    tmp.Write("SysInfo.Ini", "[SysInfo]\nDefaultLanguage=1\nEnglish=Chinese|English\n");
    tmp.Write("English.Ini", "[fSetLanguage]\nbtnOk.Caption=OK\ncbLanguage.0=never\n");
    TfMaindb db(tmp.Dir());
    Dialog d(db);
    EXPECT_EQ(d.Button("btnOk").text(), "OK");
    EXPECT_EQ(d.Button("btnCancel").text(), "&Cancel");
    EXPECT_EQ(Items(d.Combo()), (QStringList{"Chinese", "English"}));
    EXPECT_EQ(d.Combo().currentIndex(), 1);
}

TEST(SetLanguage, ChoosingAnotherLanguageLoadsItsMessages) {
    TempDir tmp;
    tmp.Write("English.Ini", "[Language]\nReadOk=Read completed!\n");
    TfMaindb db(tmp.Dir());
    bool picked = false;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<TfSetLanguage*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        dialog->findChild<QComboBox*>(QStringLiteral("cbLanguage"))->setCurrentIndex(1);
        dialog->findChild<QPushButton*>(QStringLiteral("btnOk"))->click();
        picked = true;
    });
    EXPECT_TRUE(ChooseLanguage(db, nullptr));
    EXPECT_TRUE(picked);
    EXPECT_EQ(db.Language.ReadOk, "Read completed!");
    EXPECT_EQ(db.All.LanguageName, "English");
}

} // namespace
