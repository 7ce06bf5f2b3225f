#include "app/MainFrm.h"

#include "app/ChildFrame.h"
#include "app/CsvCommands.h"
#include "app/EditorWindow.h"
#include "app/FrmAbout.h"
#include "app/LocalNow.h"
#include "app/MainMenu.h"
#include "app/Maindb.h"
#include "lang/MessageBox.h"
#include "lang/ShowMessageBox.h"
#include "lang/SysInfo.h"
#include "lang/TranslateForm.h"
#include "link/PortDirectory.h"
#include "radio/Model.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDateTime>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QSplitter>
#include <QStatusBar>
#include <QStyle>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>

namespace {

constexpr int ChannelNodes = 16;
constexpr int CmdChannelNode = 10;
constexpr int NodeCommandRole = Qt::UserRole;
const QString DataFileFilter = QStringLiteral("Data File(*.dat)");

QString Text(const std::string& s) {
    return QString::fromStdString(s);
}

QLabel* HiddenLabel(QWidget* parent, const char* name, const char* caption) {
    auto* label = new QLabel(QString::fromUtf8(caption), parent);
    label->setObjectName(QString::fromLatin1(name));
    label->hide();
    return label;
}

} // namespace

TfMainFrm::TfMainFrm(TfMaindb& db, TfWindows windows, std::unique_ptr<Desktop> desktop,
                     QWidget* parent)
    : QMainWindow(parent), db_(db), windows_(std::move(windows)), desktop_(std::move(desktop)) {
    setObjectName(QStringLiteral("fMainFrm"));
    setWindowTitle(QStringLiteral("QN7415"));
    setWindowIcon(QIcon(QStringLiteral(":/kx40/kx40.png")));
    BuildControls();

    for (QAction* action : findChildren<QAction*>()) {
        const int tag = action->property("tag").toInt();
        if (tag > 0 && tag != CmdTreeView && tag != CmdToolbar && tag != CmdStatusBar) {
            connect(action, &QAction::triggered, this, [this, tag] { RunCommand(tag); });
        }
    }
    connect(findChild<QAction*>(QStringLiteral("miExit")), &QAction::triggered, this,
            &QWidget::close);
    connect(findChild<QAction*>(QStringLiteral("miTreeView")), &QAction::triggered, this,
            [this] { pTree_->setVisible(pTree_->isHidden()); });
    QAction* toolbarItem = findChild<QAction*>(QStringLiteral("miToolbar"));
    toolbarItem->setCheckable(true);
    toolbarItem->setChecked(true);
    connect(toolbarItem, &QAction::toggled, tbar_, &QWidget::setVisible);
    QAction* statusItem = findChild<QAction*>(QStringLiteral("miStatusBar"));
    statusItem->setCheckable(true);
    statusItem->setChecked(true);
    connect(statusItem, &QAction::toggled, statusBar(), &QWidget::setVisible);
}

TfMainFrm::~TfMainFrm() = default;

void TfMainFrm::BuildControls() {
    auto* bar = new QMenuBar(this);
    bar->setObjectName(QStringLiteral("MainMenu"));
    BuildMainMenu(*bar);
    setMenuBar(bar);

    // The hidden labels come first: their captions feed the tree texts.
    lCom_ = HiddenLabel(this, "lCom", "Port: ");
    label1_ = HiddenLabel(this, "Label1", "Radio Information");
    label3_ = HiddenLabel(this, "Label3", "Channel Information");
    label5_ = HiddenLabel(this, "Label5", "No. - ");
    label6_ = HiddenLabel(this, "Label6", "Function");

    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    auto* pBar = new QWidget(central);
    pBar->setObjectName(QStringLiteral("pBar"));
    auto* barLayout = new QHBoxLayout(pBar);
    barLayout->setContentsMargins(0, 0, 0, 0);
    tbar_ = new QToolBar(pBar);
    tbar_->setObjectName(QStringLiteral("tbar"));
    BuildToolBar(*tbar_);
    barLayout->addWidget(tbar_);
    barLayout->addStretch();
    layout->addWidget(pBar);

    auto* splitter = new QSplitter(Qt::Horizontal, central);
    splitter->setObjectName(QStringLiteral("Splitter"));
    splitter->addWidget(BuildTreePanel());
    work_ = new QMdiArea(splitter);
    work_->setObjectName(QStringLiteral("WorkArea"));
    splitter->addWidget(work_);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({185, 800});
    layout->addWidget(splitter, 1);
    setCentralWidget(central);

    BuildStatusBar();
    timer_ = new QTimer(this);
    timer_->setObjectName(QStringLiteral("Timer"));
    timer_->setInterval(1000);
    connect(timer_, &QTimer::timeout, this, &TfMainFrm::TimerTimer);
    timer_->start();
}

QWidget* TfMainFrm::BuildTreePanel() {
    pTree_ = new QWidget(this);
    pTree_->setObjectName(QStringLiteral("pTree"));
    pTree_->setMinimumWidth(60);
    pTree_->resize(185, pTree_->height());
    auto* layout = new QVBoxLayout(pTree_);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    auto* header = new QWidget(pTree_);
    header->setFixedHeight(12);
    auto* headerLayout = new QHBoxLayout(header);
    headerLayout->setContentsMargins(0, 0, 0, 0);
    headerLayout->addStretch();
    auto* hide = new QToolButton(header);
    hide->setObjectName(QStringLiteral("TreeHide"));
    hide->setText(QStringLiteral("X"));
    hide->setAutoRaise(true);
    hide->setFixedSize(12, 12);
    connect(hide, &QToolButton::clicked, pTree_, &QWidget::hide);
    headerLayout->addWidget(hide);
    layout->addWidget(header);

    tree_ = new QTreeWidget(pTree_);
    tree_->setObjectName(QStringLiteral("cxQN7415"));
    tree_->setHeaderHidden(true);
    tree_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    QStyle* style = QApplication::style();
    auto* root = new QTreeWidgetItem(tree_, {QStringLiteral("QN7415")});
    root->setIcon(0, style->standardIcon(QStyle::SP_ComputerIcon));
    const QIcon node = style->standardIcon(QStyle::SP_FileIcon);
    const auto addNode = [&](QTreeWidgetItem* parent, int command) {
        auto* item = new QTreeWidgetItem(parent);
        item->setData(0, NodeCommandRole, command);
        item->setIcon(0, node);
        return item;
    };
    addNode(root, 11);
    QTreeWidgetItem* channels = addNode(root, 5);
    for (int n = 0; n < ChannelNodes; ++n) {
        addNode(channels, CmdChannelNode);
    }
    addNode(root, 37);
    connect(tree_, &QTreeWidget::itemDoubleClicked, this, &TfMainFrm::cxQN7415DblClick);
    layout->addWidget(tree_);
    return pTree_;
}

void TfMainFrm::BuildStatusBar() {
    statusBar()->setObjectName(QStringLiteral("MainBar"));
    statusBar()->setSizeGripEnabled(false);
    constexpr std::array<int, 7> widths{50, 80, 120, 120, 120, 120, 100};
    for (std::size_t i = 0; i < widths.size(); ++i) {
        panels_[i] = new QLabel(statusBar());
        panels_[i]->setObjectName(QStringLiteral("MainBarPanel%1").arg(i));
        panels_[i]->setFixedWidth(widths[i]);
        panels_[i]->setFrameShape(QFrame::StyledPanel);
        statusBar()->addWidget(panels_[i]);
    }
    panels_[4]->setText(QStringLiteral("QN7415"));
    panels_[5]->setText(QStringLiteral("QN7415"));
}

void TfMainFrm::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (!shown_) {
        shown_ = true;
        FormShow();
    }
}

void TfMainFrm::FormShow() {
    TALL& all = db_.All;
    // The catalogue and the band table are fixed data, so this only fails
    // when the program itself is broken.
    if (auto started = db_.CompleteStartup(LocalNow()); !started) {
        qWarning("start-up: %s", started.error().Reason.c_str());
    }
    all.ComPort = CheckStoredPort(all.ComPort, desktop_->AvailablePorts(all));
    work_->setBackground(QBrush(QPixmap(QStringLiteral(":/kx40/PIC.png"))));
    findChild<QAction*>(QStringLiteral("miTestOnline"))->setVisible(all.TestOnline);
    doc_.FileName.clear();
    if (all.LanguageIndex > 0) {
        TranslateForm(*this, all.AppDir, all.LanguageName, true);
    }
    SetTreeTexts();
    setWindowTitle(Text(all.AppTitle));
    RefreshStatus();
    ShowChildWindow(EditorKind::ChannelGrid);
    all.Modified = false;
    tree_->expandAll();
    tree_->setCurrentItem(tree_->topLevelItem(0));
}

void TfMainFrm::RunCommand(int no) {
    if (EditorWindow* grid = Editor(EditorKind::ChannelGrid)) {
        grid->FinishEditing();
    }
    const auto runDialog = [this](const DialogRunner& run) { return run && run(db_, this); };
    switch (no) {
    case 1:
        doc_.New();
        break;
    case 2:
        doc_.Open();
        break;
    case 3:
        doc_.Save();
        break;
    case 4:
        doc_.SaveAs();
        break;
    case 5:
        ShowChildWindow(EditorKind::ChannelGrid);
        break;
    case CmdImportCsv:
        if (ImportCsvCommand(db_, *desktop_, this)) {
            RefreshEditors(1);
        }
        break;
    case CmdExportCsv:
        ExportCsvCommand(db_, *desktop_, this);
        break;
    case 7:
        runDialog(windows_.Print);
        break;
    case 8:
        runDialog(windows_.PrintPreview);
        break;
    case CmdExportPdf:
        runDialog(windows_.ExportPdf);
        break;
    case 9:
        if (const auto band = ChooseModel(db_, this)) {
            doc_.ChangeModel(*band);
        }
        break;
    case 10:
        ShowChildWindow(EditorKind::ChannelEdit);
        RefreshEditors(2);
        break;
    case 11:
        ShowChildWindow(EditorKind::RadioInformation);
        break;
    case 12:
        ShowChildWindow(EditorKind::Password);
        break;
    case 18:
        runDialog(windows_.TestFrequency);
        break;
    case 19:
        runDialog(windows_.EmbeddedMessage);
        break;
    case 20:
        if (runDialog(windows_.ReadRadio)) {
            doc_.FileName.clear();
            RefreshStatus();
            RefreshEditors(1);
        }
        break;
    case 21:
        runDialog(windows_.WriteRadio);
        break;
    case 22:
        runDialog(windows_.TestOnline);
        break;
    case 24:
        runDialog(windows_.SetPort);
        RefreshStatus();
        break;
    case 25:
        if (runDialog(windows_.SetLanguage)) {
            LanguageChanged();
        }
        break;
    case 29:
        work_->cascadeSubWindows();
        break;
    case 30:
        TileChildren(Qt::Vertical);
        break;
    case 31:
        TileChildren(Qt::Horizontal);
        break;
    case 32:
        ArrangeIcons();
        break;
    case 33:
        CloseEditorWindows();
        break;
    case 34:
        ShowHelp();
        break;
    case 35: {
        TfFrmAbout about(db_, this);
        about.exec();
        break;
    }
    case 37:
        ShowChildWindow(EditorKind::FunctionSetting);
        break;
    default:
        break;
    }
}

QMdiSubWindow* TfMainFrm::ShowChildWindow(EditorKind kind) {
    QPointer<QMdiSubWindow>& slot = children_[static_cast<std::size_t>(kind)];
    if (!slot) {
        const EditorFactory* make = nullptr;
        switch (kind) {
        case EditorKind::ChannelGrid:
            make = &windows_.ChannelGrid;
            break;
        case EditorKind::ChannelEdit:
            make = &windows_.ChannelEdit;
            break;
        case EditorKind::RadioInformation:
            make = &windows_.RadioInformation;
            break;
        case EditorKind::Password:
            make = &windows_.Password;
            break;
        case EditorKind::FunctionSetting:
            make = &windows_.FunctionSetting;
            break;
        }
        std::unique_ptr<QWidget> editor = *make ? (*make)(db_, *this) : nullptr;
        if (!editor) {
            return nullptr;
        }
        auto* frame = new ChildFrame(work_);
        frame->setAttribute(Qt::WA_DeleteOnClose);
        frame->setWidget(editor.release());
        frame->setWindowTitle(frame->widget()->windowTitle());
        work_->addSubWindow(frame);
        QPointer<QMdiSubWindow> self(frame);
        connect(frame, &ChildFrame::closed, this, [this, kind, self] {
            QPointer<QMdiSubWindow>& open = children_[static_cast<std::size_t>(kind)];
            if (open == self) {
                open = nullptr;
            }
        });
        slot = frame;
    }
    slot->show();
    if (slot->isMinimized()) {
        slot->showNormal();
    }
    work_->setActiveSubWindow(slot);
    return slot;
}

QMdiSubWindow* TfMainFrm::ChildWindow(EditorKind kind) const {
    return children_[static_cast<std::size_t>(kind)];
}

EditorWindow* TfMainFrm::Editor(EditorKind kind) const {
    QMdiSubWindow* frame = ChildWindow(kind);
    return frame != nullptr ? dynamic_cast<EditorWindow*>(frame->widget()) : nullptr;
}

void TfMainFrm::CloseEditorWindows() {
    // Closing one window may close or open others, so work on guarded
    // pointers and look at each only while it still exists.
    QList<QPointer<QMdiSubWindow>> open;
    for (QMdiSubWindow* frame : work_->subWindowList(QMdiArea::CreationOrder)) {
        open.prepend(frame);
    }
    for (const QPointer<QMdiSubWindow>& frame : open) {
        if (frame) {
            frame->close();
        }
    }
}

void TfMainFrm::RefreshEditors(int kind) {
    switch (kind) {
    case 0:
        if (EditorWindow* grid = Editor(EditorKind::ChannelGrid)) {
            grid->ShowCurrentChannel();
        }
        break;
    case 1:
        CloseEditorWindows();
        ShowChildWindow(EditorKind::ChannelGrid);
        break;
    case 2:
        if (EditorWindow* edit = Editor(EditorKind::ChannelEdit)) {
            edit->ShowCurrentChannel();
        }
        break;
    default:
        break;
    }
}

void TfMainFrm::SelectChannelNode(bool reload) {
    QTreeWidgetItem* channels = tree_->topLevelItem(0)->child(1);
    const int n = std::clamp(db_.All.CurrentChannel, 1, ChannelNodes);
    tree_->setCurrentItem(channels->child(n - 1));
    if (reload) {
        RefreshEditors(2);
    }
}

void TfMainFrm::RefreshStatus() {
    const TALL& all = db_.All;
    const QDateTime now = QDateTime::currentDateTime();
    panels_[0]->clear();
    panels_[1]->setText(now.toString(QStringLiteral("yyyy/MM/dd")));
    panels_[2]->setText(now.toString(QStringLiteral("HH:mm:ss")));
    panels_[3]->setText(lCom_->text() + Text(all.ComPort));
    panels_[3]->setToolTip(Text(desktop_->PortDevice(all)));
    panels_[4]->setText(Text(all.ModelName));
    panels_[5]->setText(Text(all.BandText));
    setWindowTitle(Text(doc_.Caption()));
}

void TfMainFrm::SetTreeTexts() {
    QTreeWidgetItem* root = tree_->topLevelItem(0);
    root->setText(0, Text(db_.All.AppTitle));
    root->child(0)->setText(0, label1_->text());
    QTreeWidgetItem* channels = root->child(1);
    channels->setText(0, label3_->text());
    for (int n = 0; n < channels->childCount(); ++n) {
        channels->child(n)->setText(0, label5_->text() + ' ' + QString::number(n + 1));
    }
    root->child(2)->setText(0, label6_->text());
}

void TfMainFrm::cxQN7415DblClick(QTreeWidgetItem* item) {
    if (item == nullptr || item != tree_->currentItem()) {
        return;
    }
    const int command = item->data(0, NodeCommandRole).toInt();
    if (command == CmdChannelNode) {
        db_.All.CurrentChannel = item->parent()->indexOfChild(item) + 1;
    }
    RunCommand(command);
}

void TfMainFrm::TimerTimer() {
    panels_[2]->setText(QTime::currentTime().toString(QStringLiteral("HH:mm:ss")));
}

void TfMainFrm::TileChildren(Qt::Orientation orientation) {
    QList<QMdiSubWindow*> frames;
    for (QMdiSubWindow* frame : work_->subWindowList()) {
        if (!frame->isMinimized()) {
            frames.append(frame);
        }
    }
    if (frames.isEmpty()) {
        return;
    }
    const QRect area = work_->viewport()->rect();
    const int count = static_cast<int>(frames.size());
    for (int i = 0; i < count; ++i) {
        frames[i]->showNormal();
        if (orientation == Qt::Vertical) {
            const int h = area.height() / count;
            frames[i]->setGeometry(0, i * h, area.width(), h);
        } else {
            const int w = area.width() / count;
            frames[i]->setGeometry(i * w, 0, w, area.height());
        }
    }
}

void TfMainFrm::ArrangeIcons() {
    const QRect area = work_->viewport()->rect();
    int x = 0;
    for (QMdiSubWindow* frame : work_->subWindowList()) {
        if (frame->isMinimized()) {
            frame->move(x, area.height() - frame->height());
            x += frame->width();
        }
    }
}

void TfMainFrm::ShowHelp() {
    const TALL& all = db_.All;
    const QString caption = Text(all.HelpName) + QStringLiteral("_Help");
    if (!desktop_->RaiseHelp(caption)) {
        desktop_->OpenHelp(Text(all.AppDir + all.HelpName + "_" + all.LanguageName + ".chm"),
                           caption);
    }
}

void TfMainFrm::LanguageChanged() {
    TALL& all = db_.All;
    TranslateForm(*this, all.AppDir, all.LanguageName, true);
    RefreshStatus();
    CloseEditorWindows();
    SetTreeTexts();
    ShowChildWindow(EditorKind::ChannelGrid);
    all.Modified = false;
}

void TfMainFrm::closeEvent(QCloseEvent* event) {
    if (EditorWindow* grid = Editor(EditorKind::ChannelGrid)) {
        grid->FinishEditing();
    }
    if (!Ask(db_.Language.ExitProgram) || !doc_.SaveCheck()) {
        event->ignore();
        return;
    }
    if (const auto saved = SaveSysInfo(db_.All); !saved) {
        Tell(saved.error().Reason);
    }
    event->accept();
}

bool TfMainFrm::Ask(const std::string& text) {
    return ShowMessageBox(db_, db_.Language.Confirmation, text, MsgYesNo) == IdYes;
}

void TfMainFrm::Tell(const std::string& text) {
    ShowMessageBox(db_, db_.Language.Confirmation, text, MsgInformation);
}

std::optional<std::string> TfMainFrm::OpenPath() {
    const QString path = desktop_->OpenFileName(this, DataFileFilter);
    return path.isEmpty() ? std::nullopt : std::optional(path.toStdString());
}

std::optional<std::string> TfMainFrm::SavePath() {
    const QString path = desktop_->SaveFileName(this, DataFileFilter);
    return path.isEmpty() ? std::nullopt : std::optional(path.toStdString());
}

void TfMainFrm::FileChanged() {
    RefreshStatus();
}

void TfMainFrm::ImageReplaced() {
    RefreshStatus();
    RefreshEditors(1);
}

DateTimeBytes TfMainFrm::Now() {
    return LocalNow();
}
