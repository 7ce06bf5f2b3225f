#include "lang/TranslateForm.h"
#include "app/TALL.h"
#include "lang/ItemTags.h"

#include "TempDir.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QToolBar>
#include <QToolButton>
#include <QWidget>
#include <gtest/gtest.h>

namespace {

template <typename T> T* Add(QWidget* parent, const char* name) {
    auto* w = new T(parent);
    w->setObjectName(QLatin1String(name));
    return w;
}

QStringList Items(const QComboBox& c) {
    QStringList items;
    for (int i = 0; i < c.count(); ++i) {
        items << c.itemText(i);
    }
    return items;
}

QStringList Items(const QListWidget& l) {
    QStringList items;
    for (int i = 0; i < l.count(); ++i) {
        items << l.item(i)->text();
    }
    return items;
}

// A form with one control of every kind a language file can address.
struct TestForm {
    QWidget form;
    QLabel* label = Add<QLabel>(&form, "lbFreq");
    QPushButton* push = Add<QPushButton>(&form, "btnOk");
    QToolButton* tool = Add<QToolButton>(&form, "tbRead");
    QCheckBox* check = Add<QCheckBox>(&form, "chVox");
    QRadioButton* radio = Add<QRadioButton>(&form, "rbWide");
    QGroupBox* group = Add<QGroupBox>(&form, "gbPower");
    QComboBox* words = Add<QComboBox>(&form, "cbPower");
    QComboBox* tones = Add<QComboBox>(&form, "cbQT");
    QComboBox* ports = Add<QComboBox>(&form, "cbCom");
    QListWidget* list = Add<QListWidget>(&form, "Language");
    QListWidget* dataList = Add<QListWidget>(&form, "lsCodes");
    QTableWidget* grid = Add<QTableWidget>(&form, "gvData");
    QTableWidget* codes = Add<QTableWidget>(&form, "gvCodes");
    QTabWidget* tabs = Add<QTabWidget>(&form, "pcMain");
    QWidget* page = new QWidget;
    QToolBar* bar = Add<QToolBar>(&form, "ToolBar1");
    QMenu* menu = Add<QMenu>(&form, "mnuFile");
    QAction* menuItem = new QAction(QStringLiteral("Open"), menu);
    QAction* toolAction = new QAction(QStringLiteral("Read"), bar);

    TestForm() {
        form.setObjectName(QStringLiteral("fTest"));
        form.setWindowTitle(QStringLiteral("Test"));
        label->setText(QStringLiteral("Frequency"));
        push->setText(QStringLiteral("&Ok"));
        tool->setText(QStringLiteral("Read"));
        tool->setToolTip(QStringLiteral("Read hint"));
        check->setText(QStringLiteral("VOX"));
        radio->setText(QStringLiteral("Wide"));
        group->setTitle(QStringLiteral("Power"));
        words->addItems({QStringLiteral("High"), QStringLiteral("Low")});
        words->setCurrentIndex(1);
        tones->addItems({QStringLiteral("None"), QStringLiteral("67.0"), QStringLiteral("69.3")});
        tones->setCurrentIndex(2);
        SetTag(*tones, TagFirstItem);
        ports->addItems({QStringLiteral("COM1"), QStringLiteral("COM2")});
        SetTag(*ports, TagData);
        list->addItems({QStringLiteral("English"), QStringLiteral("Chinese")});
        dataList->addItems({QStringLiteral("D023")});
        SetTag(*dataList, TagData);
        grid->setColumnCount(2);
        grid->setHorizontalHeaderLabels({QStringLiteral("CH"), QStringLiteral("RX")});
        codes->setColumnCount(1);
        codes->setHorizontalHeaderLabels({QStringLiteral("Code")});
        SetTag(*codes, TagData);
        page->setObjectName(QStringLiteral("tsChannels"));
        tabs->addTab(page, QStringLiteral("Channels"));
        menu->setTitle(QStringLiteral("&File"));
        menuItem->setObjectName(QStringLiteral("mnuOpen"));
        menuItem->setToolTip(QStringLiteral("menu tip"));
        menu->addAction(menuItem);
        toolAction->setObjectName(QStringLiteral("tbReadAction"));
        bar->addAction(toolAction);
    }
};

const char* const EveryKey = "[fTest]\n"
                             "fTest.Caption=Probe\n"
                             "lbFreq.Caption=Frequenz\n"
                             "btnOk.Caption=OK\n"
                             "tbRead.Caption=Lesen\n"
                             "tbRead.Hint=Funkgerät lesen\n"
                             "chVox.Caption=Sprachsteuerung\n"
                             "rbWide.Caption=Breit\n"
                             "gbPower.Caption=Leistung\n"
                             "cbPower.0=Hoch\n"
                             "cbPower.1=Niedrig\n"
                             "cbQT.0=Off\n"
                             "cbQT.1=never\n"
                             "cbCom.0=never\n"
                             "Language.1=Chinesisch\n"
                             "lsCodes.0=never\n"
                             "gvData.1=Kanal\n"
                             "gvData.2=Empfang\n"
                             "gvCodes.1=never\n"
                             "tsChannels.Caption=Kanäle\n"
                             "mnuFile.Caption=&Datei\n"
                             "mnuOpen.Caption=Ö&ffnen\n"
                             "mnuOpen.Hint=never\n"
                             "tbReadAction.Caption=Lesen\n"
                             "tbReadAction.Hint=Lesen vom Funkgerät\n"
                             "NoSuchControl.Caption=ignored\n";

TEST(TranslateForm, EveryKindWithItsTagAndTheListFlag) {
    TempDir tmp;
    tmp.Write("Deutsch.Ini", EveryKey);
    TestForm f;
    TranslateForm(f.form, tmp.Dir(), "Deutsch", true);

    EXPECT_EQ(f.form.windowTitle(), "Probe");
    EXPECT_EQ(f.label->text(), "Frequenz");
    EXPECT_EQ(f.push->text(), "OK");
    EXPECT_EQ(f.tool->text(), "Lesen");
    EXPECT_EQ(f.tool->toolTip(), "Funkgerät lesen");
    EXPECT_EQ(f.check->text(), "Sprachsteuerung");
    EXPECT_EQ(f.radio->text(), "Breit");
    EXPECT_EQ(f.group->title(), "Leistung");
    EXPECT_EQ(Items(*f.words), (QStringList{"Hoch", "Niedrig"}));
    EXPECT_EQ(f.words->currentIndex(), 1);
    EXPECT_EQ(Items(*f.tones), (QStringList{"Off", "67.0", "69.3"}));
    EXPECT_EQ(f.tones->currentIndex(), 2);
    EXPECT_EQ(Items(*f.ports), (QStringList{"COM1", "COM2"}));
    EXPECT_EQ(Items(*f.list), (QStringList{"English", "Chinesisch"}));
    EXPECT_EQ(Items(*f.dataList), (QStringList{"D023"}));
    EXPECT_EQ(f.grid->horizontalHeaderItem(0)->text(), "Kanal");
    EXPECT_EQ(f.grid->horizontalHeaderItem(1)->text(), "Empfang");
    EXPECT_EQ(f.codes->horizontalHeaderItem(0)->text(), "Code");
    EXPECT_EQ(f.tabs->tabText(0), "Kanäle");
    EXPECT_EQ(f.menu->title(), "&Datei");
    EXPECT_EQ(f.menuItem->text(), "Ö&ffnen");
    EXPECT_EQ(f.menuItem->toolTip(), "menu tip");
    EXPECT_EQ(f.toolAction->text(), "Lesen");
    EXPECT_EQ(f.toolAction->toolTip(), "Lesen vom Funkgerät");
}

TEST(TranslateForm, WithoutTheListFlagComboBoxesKeepTheirItemsButListsChange) {
    TempDir tmp;
    tmp.Write("Deutsch.Ini", EveryKey);
    TestForm f;
    TranslateForm(f.form, tmp.Dir(), "Deutsch", false);
    EXPECT_EQ(Items(*f.words), (QStringList{"High", "Low"}));
    EXPECT_EQ(Items(*f.tones), (QStringList{"None", "67.0", "69.3"}));
    EXPECT_EQ(Items(*f.list), (QStringList{"English", "Chinesisch"}));
    EXPECT_EQ(f.push->text(), "OK");
}

TEST(TranslateForm, OnlyKeysThatArePresentChangeAnything) {
    TempDir tmp;
    tmp.Write("Deutsch.Ini", "[ftest]\nBTNOK.caption = OK \n[Other]\nlbFreq.Caption=x\n");
    TestForm f;
    TranslateForm(f.form, tmp.Dir(), "Deutsch", true);
    EXPECT_EQ(f.push->text(), "OK");
    EXPECT_EQ(f.form.windowTitle(), "Test");
    EXPECT_EQ(f.label->text(), "Frequency");
    EXPECT_EQ(f.tool->toolTip(), "Read hint");
    EXPECT_EQ(Items(*f.words), (QStringList{"High", "Low"}));

    // No file at all: nothing changes.
    TranslateForm(f.form, tmp.Dir(), "Missing", true);
    EXPECT_EQ(f.push->text(), "OK");
}

TEST(TranslateForm, OnOpenOnlyForALanguageOtherThanTheFirst) {
    TempDir tmp;
    tmp.Write("Deutsch.Ini", EveryKey);
    TALL all;
    all.AppDir = tmp.Dir();
    all.LanguageName = "Deutsch";
    TestForm f;
    all.LanguageIndex = 0;
    TranslateOnOpen(f.form, all, true);
    EXPECT_EQ(f.push->text(), "&Ok");
    all.LanguageIndex = 1;
    TranslateOnOpen(f.form, all, true);
    EXPECT_EQ(f.push->text(), "OK");
}

} // namespace
