#include "editors/ChInfo.h"

#include "app/EditorHost.h"
#include "app/Maindb.h"
#include "editors/FreqWarning.h"
#include "editors/KeyFilter.h"
#include "editors/ToneBox.h"
#include "editors/ToneLists.h"
#include "editors/ToneOption.h"
#include "lang/ItemTags.h"
#include "lang/TranslateForm.h"

#include <QApplication>
#include <QComboBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace {

constexpr int TitleHeight = 23;
constexpr int RowHeight = 20;
constexpr int WindowPixelsPerRow = 30;
constexpr int EditorOffset = 2;

constexpr std::array<CellEditor, 5> BoxKinds = {CellEditor::DecodeTone, CellEditor::EncodeTone,
                                                CellEditor::Power, CellEditor::Bandwidth,
                                                CellEditor::YesNo};
constexpr std::array<const char*, 5> BoxNames = {"cbDec", "cbEnc", "cbPower", "cbWN", "cbYesNo"};

std::size_t BoxIndex(CellEditor kind) {
    for (std::size_t i = 0; i < BoxKinds.size(); ++i) {
        if (BoxKinds[i] == kind) {
            return i;
        }
    }
    return BoxKinds.size();
}

bool IsToneBox(CellEditor kind) {
    return kind == CellEditor::DecodeTone || kind == CellEditor::EncodeTone;
}

Qt::Alignment AlignmentOf(ColumnAlign align) {
    switch (align) {
    case ColumnAlign::Left:
        return Qt::AlignLeft | Qt::AlignVCenter;
    case ColumnAlign::Right:
        return Qt::AlignRight | Qt::AlignVCenter;
    case ColumnAlign::Centre:
        break;
    }
    return Qt::AlignCenter;
}

QString Text(const std::string& text) {
    return QString::fromStdString(text);
}

// The in-place editor of the frequency cells: digits and the point only, the
// whole text selected when it opens.
class FreqCellDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override {
        QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
        editor->installEventFilter(new KeyFilter(FreqKeyAllowed, editor));
        return editor;
    }
    void setEditorData(QWidget* editor, const QModelIndex& index) const override {
        QStyledItemDelegate::setEditorData(editor, index);
        if (auto* line = qobject_cast<QLineEdit*>(editor)) {
            line->selectAll();
        }
    }
};

} // namespace

// The grid widget, able to end an in-place edit when the main window asks.
class ChannelGridView : public QTableWidget {
public:
    using QTableWidget::QTableWidget;

    void EndEdit() {
        if (state() != QAbstractItemView::EditingState) {
            return;
        }
        if (QWidget* editor = indexWidget(currentIndex())) {
            commitData(editor);
            closeEditor(editor, QAbstractItemDelegate::NoHint);
        }
    }
};

TfChInfo::TfChInfo(TfMaindb& db, EditorHost& host, QWidget* parent)
    : TEditorForm(QStringLiteral("fChInfo"), QStringLiteral("Channel Information"), db.All, parent),
      db_(db), host_(host), table_(std::make_unique<TChannelTable>(db.All, host)) {
    PickTone = [this](QWidget* owner) { return TfToneOption::PickTone(db_, owner); };

    lbColumns_ = new QListWidget(this);
    lbColumns_->setObjectName(QStringLiteral("lbColumns"));
    for (const std::string& entry : DefaultColumnList()) {
        lbColumns_->addItem(Text(entry));
    }
    lbColumns_->hide();

    gvData_ = new ChannelGridView(this);
    gvData_->setObjectName(QStringLiteral("gvData"));
    SetTag(*gvData_, TagData);
    gvData_->verticalHeader()->hide();
    gvData_->setSelectionMode(QAbstractItemView::SingleSelection);
    gvData_->setContextMenuPolicy(Qt::NoContextMenu);
    gvData_->setDragEnabled(false);
    gvData_->setEditTriggers(QAbstractItemView::AnyKeyPressed | QAbstractItemView::EditKeyPressed |
                             QAbstractItemView::DoubleClicked);
    gvData_->setItemDelegate(new FreqCellDelegate(gvData_));
    gvData_->installEventFilter(new KeyFilter(FreqKeyAllowed, gvData_));
    gvData_->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    gvData_->horizontalHeader()->setFixedHeight(TitleHeight);
    gvData_->horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);
    gvData_->verticalHeader()->setDefaultSectionSize(RowHeight);
    gvData_->verticalHeader()->setMinimumSectionSize(RowHeight);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(gvData_);

    const TChannelTexts texts;
    for (std::size_t i = 0; i < BoxKinds.size(); ++i) {
        const CellEditor kind = BoxKinds[i];
        QComboBox* box = nullptr;
        if (IsToneBox(kind)) {
            box = MakeToneBox(BoxNames[i], this, gvData_->viewport());
            connect(box, &QComboBox::activated, this, [this, kind] { ToneChange(kind); });
            connect(box->lineEdit(), &QLineEdit::editingFinished, this,
                    [this, kind] { ToneChange(kind); });
        } else {
            box = new QComboBox(gvData_->viewport());
            box->setObjectName(QString::fromLatin1(BoxNames[i]));
            const auto& entries = kind == CellEditor::Power       ? texts.Power
                                  : kind == CellEditor::Bandwidth ? texts.Bandwidth
                                                                  : texts.YesNo;
            for (const std::string& entry : entries) {
                box->addItem(Text(entry));
            }
            connect(box, &QComboBox::activated, this,
                    [this, kind](int index) { ListChange(kind, index); });
        }
        box->hide();
        boxes_[i] = box;
        box->installEventFilter(this);
    }

    connect(gvData_, &QTableWidget::itemChanged, this, &TfChInfo::gvDataSetForeText);
    connect(gvData_, &QTableWidget::currentCellChanged, this,
            [this](int row, int column) { gvDataCellSelected(row, column); });
    connect(gvData_, &QTableWidget::cellPressed, this, &TfChInfo::gvDataMouseDown);
    BuildColumns();
    ShowAllRows();
}

TfChInfo::~TfChInfo() {
    // The boxes lose the focus while QWidget tears them down; their signals
    // must not reach this window any more.
    for (QObject* child : findChildren<QObject*>()) {
        child->disconnect(this);
    }
}

QTableWidget* TfChInfo::Grid() const {
    return gvData_;
}

QComboBox* TfChInfo::Box(CellEditor kind) const {
    const std::size_t i = BoxIndex(kind);
    return i < boxes_.size() ? boxes_[i] : nullptr;
}

void TfChInfo::FormShow() {
    loading_ = true;
    Translate();
    loading_ = false;
    // A translated form brings its own column titles, option entries and
    // "None" text; lists shorter than ours keep the built-in entries.
    TChannelTexts texts;
    for (int i = 0; i < lbColumns_->count() && i < static_cast<int>(texts.ColumnList.size()); ++i) {
        texts.ColumnList[static_cast<std::size_t>(i)] = lbColumns_->item(i)->text().toStdString();
    }
    const auto readList = [](QComboBox* box, std::array<std::string, 2>& entries) {
        for (int i = 0; i < box->count() && i < 2; ++i) {
            entries[static_cast<std::size_t>(i)] = box->itemText(i).toStdString();
        }
    };
    readList(Box(CellEditor::Power), texts.Power);
    readList(Box(CellEditor::Bandwidth), texts.Bandwidth);
    readList(Box(CellEditor::YesNo), texts.YesNo);
    if (Box(CellEditor::DecodeTone)->count() > 0) {
        texts.None = Box(CellEditor::DecodeTone)->itemText(0).toStdString();
    }
    Box(CellEditor::EncodeTone)->setItemText(0, Text(texts.None));
    table_ = std::make_unique<TChannelTable>(db_.All, host_, std::move(texts));
    BuildColumns();
    table_->LoadAllRows();
    ShowAllRows();
    // The grid has no title bar of its own in the work area.
    if (auto* frame = qobject_cast<QMdiSubWindow*>(parentWidget())) {
        if (!frame->windowFlags().testFlag(Qt::FramelessWindowHint)) {
            frame->setWindowFlags(frame->windowFlags() | Qt::FramelessWindowHint);
            frame->show();
        }
        frame->resize(FormSize());
    }
}

void TfChInfo::BuildColumns() {
    const auto& columns = table_->ColumnLayout();
    loading_ = true;
    gvData_->clear();
    gvData_->setColumnCount(TChannelTable::Columns);
    QStringList titles;
    for (std::size_t c = 0; c < columns.size(); ++c) {
        gvData_->setColumnWidth(static_cast<int>(c), columns[c].Width);
        titles << Text(columns[c].Title);
    }
    gvData_->setHorizontalHeaderLabels(titles);
    gvData_->setRowCount(table_->RowCount());
    const QColor buttonFace = palette().color(QPalette::Button);
    for (int r = 0; r < table_->RowCount(); ++r) {
        gvData_->setRowHeight(r, RowHeight);
        for (int c = 0; c < TChannelTable::Columns; ++c) {
            auto* item = new QTableWidgetItem;
            item->setTextAlignment(AlignmentOf(columns[static_cast<std::size_t>(c)].Align));
            if (c == 0) {
                item->setBackground(buttonFace);
            }
            gvData_->setItem(r, c, item);
        }
    }
    loading_ = false;
    resize(FormSize());
}

QSize TfChInfo::FormSize() const {
    const int rows = std::max(table_->RowCount(), 1);
    return {GridWindowWidth(table_->ColumnLayout()), WindowPixelsPerRow * rows};
}

void TfChInfo::ShowRow(int channel) {
    const bool wasLoading = loading_;
    loading_ = true;
    for (int c = 1; c <= TChannelTable::Columns; ++c) {
        QTableWidgetItem* item = gvData_->item(channel - 1, c - 1);
        if (item == nullptr) {
            continue;
        }
        const TGridCell& cell = table_->Cell(channel, c);
        item->setText(Text(cell.Text));
        item->setFlags(cell.ReadOnly
                           ? Qt::ItemIsEnabled | Qt::ItemIsSelectable
                           : Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable);
    }
    loading_ = wasLoading;
}

void TfChInfo::ShowAllRows() {
    for (int channel = 1; channel <= table_->RowCount(); ++channel) {
        ShowRow(channel);
    }
}

void TfChInfo::LoadChannelRow(int channel) {
    table_->LoadChannelRow(channel);
    ShowRow(channel);
}

void TfChInfo::ShowCurrentChannel() {
    LoadChannelRow(db_.All.CurrentChannel);
}

void TfChInfo::FinishEditing() {
    gvData_->EndEdit();
    HideEditors();
}

void TfChInfo::gvDataSetForeText(QTableWidgetItem* item) {
    if (loading_ || item == nullptr) {
        return;
    }
    const int channel = item->row() + 1;
    const FreqMsg msg =
        table_->CellTextSet(channel, item->column() + 1, item->text().toStdString());
    ShowRow(channel);
    // The warning waits until the grid has closed its in-place editor: a
    // modal box inside the editor's commit would run while it is torn down.
    if (msg != FreqMsg::None) {
        QMetaObject::invokeMethod(
            this, [this, msg] { ShowFreqWarning(db_, msg); }, Qt::QueuedConnection);
    }
}

void TfChInfo::gvDataCellSelected(int row, int column) {
    if (loading_ || row < 0 || column < 0) {
        return;
    }
    row_ = row;
    column_ = column;
    ShowCellEditor();
    table_->SelectRow(CurrentChannelRow());
}

void TfChInfo::gvDataMouseDown(int, int) {
    if (auto* frame = qobject_cast<QMdiSubWindow*>(parentWidget()); frame && frame->mdiArea()) {
        frame->mdiArea()->setActiveSubWindow(frame);
    }
    if (row_ < 0) {
        return;
    }
    if (table_->EditorFor(CurrentChannelRow(), CurrentColumn()) == CellEditor::InPlace) {
        gvData_->editItem(gvData_->item(row_, column_));
    } else {
        ShowCellEditor();
    }
    table_->SelectRow(CurrentChannelRow());
}

void TfChInfo::ShowCellEditor() {
    HideEditors();
    const CellEditor kind = table_->EditorFor(CurrentChannelRow(), CurrentColumn());
    QComboBox* box = Box(kind);
    if (box == nullptr) {
        return;
    }
    const TGridCell& cell = table_->Cell(CurrentChannelRow(), CurrentColumn());
    if (IsToneBox(kind)) {
        box->setEditText(Text(cell.Text));
    } else {
        box->setCurrentIndex(cell.Value == "1" ? 1 : 0);
    }
    const QRect rect = gvData_->visualItemRect(gvData_->item(row_, column_));
    box->move(rect.topLeft() + QPoint(EditorOffset, EditorOffset));
    box->resize(gvData_->columnWidth(column_), box->sizeHint().height());
    box->show();
    box->setFocus();
}

void TfChInfo::HideEditors() {
    for (QComboBox* box : boxes_) {
        box->hide();
    }
}

void TfChInfo::ListChange(CellEditor kind, int index) {
    if (table_->EditorFor(CurrentChannelRow(), CurrentColumn()) != kind) {
        return;
    }
    table_->OptionChosen(CurrentChannelRow(), CurrentColumn(), index);
    ShowRow(CurrentChannelRow());
}

void TfChInfo::ToneChange(CellEditor kind) {
    QComboBox* box = Box(kind);
    const int channel = CurrentChannelRow();
    if (table_->EditorFor(channel, CurrentColumn()) != kind || !box->isVisible()) {
        return;
    }
    const TGridCell& cell = table_->Cell(channel, CurrentColumn());
    if (box->currentText().toStdString() == cell.Text) {
        return;
    }
    table_->ToneEntered(channel, CurrentColumn(), box->currentText().toStdString());
    ShowRow(channel);
    box->setEditText(Text(table_->Cell(channel, CurrentColumn()).Text));
}

void TfChInfo::ToneDblClick(CellEditor kind) {
    const QString tone = PickTone(this);
    if (tone.isEmpty() || table_->EditorFor(CurrentChannelRow(), CurrentColumn()) != kind) {
        return;
    }
    table_->ToneEntered(CurrentChannelRow(), CurrentColumn(), tone.toStdString());
    ShowRow(CurrentChannelRow());
    Box(kind)->setEditText(tone);
}

bool TfChInfo::eventFilter(QObject* watched, QEvent* event) {
    for (std::size_t i = 0; i < boxes_.size(); ++i) {
        QComboBox* box = boxes_[i];
        const bool tone = IsToneBox(BoxKinds[i]);
        if (watched != box && !(tone && watched == box->lineEdit())) {
            continue;
        }
        switch (event->type()) {
        case QEvent::KeyPress: {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter) {
                if (tone) {
                    ToneChange(BoxKinds[i]);
                }
                box->hide();
                gvData_->setFocus();
                return true;
            }
            break;
        }
        case QEvent::FocusOut:
            if (static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason &&
                !box->isAncestorOf(QApplication::focusWidget())) {
                if (tone) {
                    ToneChange(BoxKinds[i]);
                }
                box->hide();
            }
            break;
        case QEvent::MouseButtonDblClick:
            if (tone) {
                ToneDblClick(BoxKinds[i]);
                return true;
            }
            break;
        default:
            break;
        }
    }
    return QWidget::eventFilter(watched, event);
}
