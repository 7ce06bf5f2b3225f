#include "app/MainMenu.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QStyle>
#include <QToolBar>

namespace {

struct MenuItem {
    const char* name;
    const char* caption; // nullptr: a divider
    int tag;
    const char* shortcut;
    bool hidden;
};

struct MenuDef {
    const char* name;
    const char* caption;
    bool hidden;
    std::initializer_list<MenuItem> items;
};

const MenuItem Divider{"", nullptr, 0, "", false};

const std::initializer_list<MenuDef> Menus = {
    {"mFile",
     "&File",
     false,
     {{"miNew", "&New", 1, "Ctrl+N", false},
      {"miOpen", "&Open", 2, "Ctrl+O", false},
      {"miSave", "&Save", 3, "Ctrl+S", false},
      {"miSaveAs", "Save &As", 4, "Ctrl+A", false},
      Divider,
      {"miImportCsv", "&Import CSV...", CmdImportCsv, "", false},
      {"miExportCsv", "E&xport CSV...", CmdExportCsv, "", false},
      Divider,
      {"miPrint", "&Print", 7, "Ctrl+P", false},
      {"miPreview", "Print Pre&view", 8, "Ctrl+V", false},
      {"miExportPdf", "Export P&DF...", CmdExportPdf, "", false},
      Divider,
      {"miExit", "&Exit", 0, "Ctrl+X", false}}},
    {"mEdit",
     "&Edit",
     false,
     {{"miChannelInfo", "C&hannel Information", 5, "", false},
      {"miChannelEdit", "&Channel Edit", 10, "", false},
      {"miBatchEdit", "&Batch Channel Edit", 36, "", true},
      {"miRadioInfo", "Radio &Information", 11, "", false},
      {"miFunction", "Function &Setting", 37, "", false},
      {"miPassWord", "&Pass Word", 12, "", true},
      {"miTestFrequency", "&Test Frequency", 18, "", true},
      {"miEmbeddedMessage", "Embedded &Message", 19, "", true}}},
    {"mProgram",
     "&Program",
     false,
     {{"miRead", "&Read From Radio", 20, "Ctrl+R", false},
      {"miWrite", "&Write To Radio", 21, "Ctrl+W", false},
      Divider,
      {"miTestOnline", "&Test Online", 22, "", true}}},
    {"mSetup",
     "&Setup",
     false,
     {{"miModel", "&Model Information", 9, "", false},
      {"miPort", "&Communication Port", 24, "", false},
      {"miLanguage", "Language File Setup", 25, "", false}}},
    {"mView",
     "&View",
     false,
     {{"miTreeView", "Tree &View", CmdTreeView, "", false},
      {"miToolbar", "&Toolbar", CmdToolbar, "", false},
      {"miStatusBar", "&Status bar", CmdStatusBar, "", false}}},
    {"mWindow",
     "&Window",
     true,
     {{"miCascade", "&Cascade", 29, "", false},
      {"miTileHorizontal", "Tile Windows &Horizontally", 30, "", false},
      {"miTileVertical", "Tile Windows &Vertically", 31, "", false},
      {"miArrangeIcons", "&Arrange Icons", 32, "", false},
      {"miCloseAll", "Close All &Windows", 33, "", false}}},
    {"mHelp",
     "&Help",
     false,
     {{"miHelpTopics", "&Help Topics", 34, "", false}, {"miAbout", "About...", 35, "", false}}},
};

struct ToolItem {
    const char* name;
    const char* hint; // nullptr: a divider
    int tag;
    QStyle::StandardPixmap icon;
    bool hidden;
};

const std::initializer_list<ToolItem> Tools = {
    {"tbNew", "New", 1, QStyle::SP_FileIcon, false},
    {"tbOpen", "Open", 2, QStyle::SP_DialogOpenButton, false},
    {"tbSave", "Save", 3, QStyle::SP_DialogSaveButton, false},
    {"tbDivider1", nullptr, 0, QStyle::SP_CustomBase, false},
    {"tbChannelEdit", "Channel Edit", 10, QStyle::SP_FileDialogDetailedView, true},
    {"tbDivider2", nullptr, 0, QStyle::SP_CustomBase, true},
    {"tbPrint", "Print", 7, QStyle::SP_FileDialogContentsView, false},
    {"tbDivider3", nullptr, 0, QStyle::SP_CustomBase, false},
    {"tbRead", "Read", 20, QStyle::SP_ArrowDown, false},
    {"tbDivider4", nullptr, 0, QStyle::SP_CustomBase, false},
    {"tbWrite", "Write", 21, QStyle::SP_ArrowUp, false},
    {"tbDivider5", nullptr, 0, QStyle::SP_CustomBase, false},
    {"tbHelp", "Help", 34, QStyle::SP_MessageBoxQuestion, false},
};

} // namespace

void BuildMainMenu(QMenuBar& bar) {
    for (const MenuDef& def : Menus) {
        QMenu* menu = bar.addMenu(QString::fromUtf8(def.caption));
        menu->setObjectName(QString::fromLatin1(def.name));
        menu->menuAction()->setVisible(!def.hidden);
        for (const MenuItem& item : def.items) {
            if (item.caption == nullptr) {
                menu->addSeparator();
                continue;
            }
            QAction* action = menu->addAction(QString::fromUtf8(item.caption));
            action->setObjectName(QString::fromLatin1(item.name));
            action->setProperty("tag", item.tag);
            action->setShortcut(QKeySequence(QString::fromLatin1(item.shortcut)));
            action->setVisible(!item.hidden);
        }
    }
}

void BuildToolBar(QToolBar& bar) {
    QStyle* style = QApplication::style();
    for (const ToolItem& item : Tools) {
        QAction* action = item.hint == nullptr ? bar.addSeparator()
                                               : bar.addAction(style->standardIcon(item.icon),
                                                               QString::fromUtf8(item.hint));
        action->setObjectName(QString::fromLatin1(item.name));
        if (item.hint != nullptr) {
            action->setProperty("tag", item.tag);
            action->setToolTip(QString::fromUtf8(item.hint));
        }
        action->setVisible(!item.hidden);
    }
}
