#include "app/Maindb.h"
#include "editors/BFunSet.h"
#include "editors/InfoMsg.h"

#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

struct SettingsTranslationTest : ::testing::Test {
    SettingsTranslationTest() {
        QFile file(dir.filePath(QStringLiteral("Test.Ini")));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("[fBFunSet]\n"
                   "fBFunSet.Caption=Funktionen\n"
                   "L1.Caption=Rauschsperre\n"
                   "chVoxFun.Caption=Sprachsteuerung\n"
                   "cbSQvelch.0=null\n"
                   "cbTxTimeout.0=Aus\n"
                   "cbTxTimeout.1=dreissig\n"
                   "cbMonikey.1=Monitor\n"
                   "[fInfoMsg]\n"
                   "lbSerial.Caption=Seriennummer\n");
        file.close();
        EXPECT_TRUE(db.CompleteStartup({0xEA, 0x07, 12, 9, 8, 38, 10}).has_value());
        db.All.LanguageName = "Test";
        db.All.LanguageIndex = 1;
    }

    template <class W> std::unique_ptr<W> Open() {
        auto window = std::make_unique<W>(db);
        window->setAttribute(Qt::WA_DeleteOnClose, false);
        window->show();
        return window;
    }

    QTemporaryDir dir;
    TfMaindb db{dir.path().toStdString() + "/"};
};

QString Item(QWidget& form, const char* list, int i) {
    return form.findChild<QComboBox*>(QString::fromLatin1(list))->itemText(i);
}

} // namespace

TEST_F(SettingsTranslationTest, FunctionSettingTakesItsWordsButKeepsDataAndSelections) {
    db.All.Image[RadioImage::TxTimeOut] = 0;
    auto form = Open<TfBFunSet>();
    EXPECT_EQ(form->windowTitle(), "Funktionen");
    EXPECT_EQ(form->findChild<QLabel*>(QStringLiteral("L1"))->text(), "Rauschsperre");
    EXPECT_EQ(form->ControlText(FunSetId::TxTimeOut), "Aus");
    EXPECT_EQ(Item(*form, "cbTxTimeout", 1), "30");
    EXPECT_EQ(Item(*form, "cbSQvelch", 0), "0");
    EXPECT_EQ(form->ControlText(FunSetId::SideKey), "Monitor");
    EXPECT_EQ(form->ControlText(FunSetId::Squelch), "5");
    EXPECT_FALSE(db.All.Modified);
}

TEST_F(SettingsTranslationTest, BuiltInTextsStayWithTheFirstLanguage) {
    db.All.LanguageIndex = 0;
    auto form = Open<TfBFunSet>();
    EXPECT_EQ(form->windowTitle(), "Function Setting");
    EXPECT_EQ(form->ControlText(FunSetId::SideKey), "Monmome");
}

TEST_F(SettingsTranslationTest, RadioInformationTakesItsLabels) {
    auto form = Open<TfInfoMsg>();
    EXPECT_EQ(form->findChild<QLabel*>(QStringLiteral("lbSerial"))->text(), "Seriennummer");
    EXPECT_EQ(form->windowTitle(), "Radio Information");
}
