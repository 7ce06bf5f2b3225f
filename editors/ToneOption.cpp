#include "editors/ToneOption.h"

#include "app/Maindb.h"
#include "lang/ItemTags.h"
#include "lang/TranslateForm.h"

#include <QColor>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QListWidget>
#include <QRadioButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

constexpr std::array<TonePage, 3> Pages = {TonePage::Ctcss, TonePage::DcsNormal,
                                           TonePage::DcsInverted};
constexpr std::array<const char*, 3> PageTitles = {"CTCSS", "DCS-N", "DCS-I"};
constexpr std::array<const char*, 3> ButtonNames = {"cxCTCSS", "cxDCSN", "cxDCSI"};
constexpr std::array<const char*, 3> TableNames = {"gvCTCSS", "gvDCSN", "gvDCSI"};
constexpr int RowHeight = 20;

QTableWidget* MakeTable(const char* name, QWidget* parent) {
    auto* table = new QTableWidget(parent);
    table->setObjectName(QString::fromLatin1(name));
    SetTag(*table, TagData);
    table->horizontalHeader()->hide();
    table->verticalHeader()->hide();
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    return table;
}

} // namespace

TfToneOption::TfToneOption(TfMaindb& db, QWidget* parent) : QDialog(parent), db_(db) {
    setObjectName(QStringLiteral("fToneOption"));
    setWindowTitle(QStringLiteral("Channel Tone Option"));

    gbVoice_ = new QGroupBox(QStringLiteral("Channel Voice Selection"), this);
    gbVoice_->setObjectName(QStringLiteral("gbVoice"));
    auto* voiceLayout = new QHBoxLayout(gbVoice_);
    for (std::size_t i = 0; i < Pages.size(); ++i) {
        auto* button = new QRadioButton(QString::fromLatin1(PageTitles[i]), gbVoice_);
        button->setObjectName(QString::fromLatin1(ButtonNames[i]));
        button->setProperty("tag", static_cast<int>(i));
        voiceLayout->addWidget(button);
        buttons_[i] = button;
        connect(button, &QRadioButton::clicked, this, [this, i] { PageClick(Pages[i]); });
    }
    buttons_[0]->setChecked(true);

    lbTitle_ = new QListWidget(this);
    lbTitle_->setObjectName(QStringLiteral("lbTitle"));
    for (const char* title : PageTitles) {
        lbTitle_->addItem(QString::fromLatin1(title));
    }
    lbTitle_->hide();

    gbCode_ = new QGroupBox(QString::fromLatin1(PageTitles[0]), this);
    gbCode_->setObjectName(QStringLiteral("gbCode"));
    auto* codeLayout = new QVBoxLayout(gbCode_);
    for (std::size_t i = 0; i < Pages.size(); ++i) {
        tables_[i] = MakeTable(TableNames[i], gbCode_);
        codeLayout->addWidget(tables_[i]);
        connect(tables_[i], &QTableWidget::cellDoubleClicked, this,
                [this, i](int row, int column) { TableDblClick(Pages[i], row, column); });
    }

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(gbVoice_);
    layout->addWidget(gbCode_);
    FormShow();
}

QString TfToneOption::PickTone(TfMaindb& db, QWidget* parent) {
    TfToneOption dialog(db, parent);
    dialog.exec();
    return dialog.Result();
}

void TfToneOption::FormShow() {
    for (std::size_t i = 0; i < Pages.size(); ++i) {
        pages_[i] = BuildToneTable(Pages[i]);
        const TToneTable& page = pages_[i];
        QTableWidget* table = tables_[i];
        table->setRowCount(page.Rows);
        table->setColumnCount(page.Columns);
        int width = 0;
        for (int c = 0; c < page.Columns; ++c) {
            table->setColumnWidth(c, page.Widths[static_cast<std::size_t>(c)]);
            width += page.Widths[static_cast<std::size_t>(c)];
        }
        for (int r = 0; r < page.Rows; ++r) {
            table->setRowHeight(r, RowHeight);
            for (int c = 0; c < page.Columns; ++c) {
                const TToneCell& cell = page.At(r, c);
                auto* item = new QTableWidgetItem(QString::fromStdString(cell.Text));
                item->setTextAlignment(Qt::AlignCenter);
                item->setBackground(QColor::fromRgb(cell.Colour));
                item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
                table->setItem(r, c, item);
            }
        }
        const int frame = 2 * table->frameWidth();
        table->setFixedSize(width + frame, page.Rows * RowHeight + frame);
    }
    result_.clear();
    TranslateOnOpen(*this, db_.All, false);
    PageClick(TonePage::Ctcss);
}

void TfToneOption::PageClick(TonePage page) {
    for (std::size_t i = 0; i < Pages.size(); ++i) {
        tables_[i]->setVisible(Pages[i] == page);
    }
    const int tag = buttons_[static_cast<std::size_t>(page)]->property("tag").toInt();
    if (tag >= 0 && tag < lbTitle_->count()) {
        gbCode_->setTitle(lbTitle_->item(tag)->text());
    }
}

void TfToneOption::TableDblClick(TonePage page, int row, int column) {
    const TToneTable& table = pages_[static_cast<std::size_t>(page)];
    if (row < 0 || row >= table.Rows || column < 0 || column >= table.Columns ||
        !table.At(row, column).Pickable) {
        return;
    }
    result_ = QString::fromStdString(table.At(row, column).Text);
    accept();
}
