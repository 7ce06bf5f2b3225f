#include "link/TestFrequency.h"

#include "app/Maindb.h"
#include "editors/FreqEntry.h"
#include "lang/ShowMessageBox.h"
#include "lang/TranslateForm.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QShowEvent>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

constexpr int ChannelCount = 16;

template <typename T> T* Named(T* widget, const char* name) {
    widget->setObjectName(QLatin1String(name));
    return widget;
}

// Frequency cells take up to five integer and five decimal digits.
class FreqDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem&,
                          const QModelIndex&) const override {
        auto* editor = new QLineEdit(parent);
        editor->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        editor->setValidator(new QRegularExpressionValidator(
            QRegularExpression(QStringLiteral("[0-9]{0,5}(\\.[0-9]{0,5})?")), editor));
        return editor;
    }
};

} // namespace

TfTestFrequency::TfTestFrequency(TfMaindb& db, QWidget* parent) : QDialog(parent), db_(db) {
    setObjectName(QStringLiteral("fTestFrequency"));
    setWindowTitle(QStringLiteral("Test Frequency"));
    gvData = Named(new QTableWidget(ChannelCount, 3, this), "gvData");
    gvData->setItemDelegate(new FreqDelegate(gvData));
    gvData->verticalHeader()->hide();
    gvData->setSelectionMode(QAbstractItemView::SingleSelection);
    gvData->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                            QAbstractItemView::AnyKeyPressed);
    btnOk = Named(new QPushButton(QStringLiteral("&Ok"), this), "btnOk");
    btnCancel = Named(new QPushButton(QStringLiteral("&Cancel"), this), "btnCancel");
    Label1 = Named(new QLabel(QStringLiteral("Test Frequency mismatch.#10#13Execute read data "
                                             "from radio or write to radio."),
                              this),
                   "Label1");
    Label1->hide();

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btnOk);
    buttons->addWidget(btnCancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(gvData);
    layout->addLayout(buttons);

    connect(gvData, &QTableWidget::itemChanged, this, &TfTestFrequency::gvDataSetForeText);
    connect(btnOk, &QPushButton::clicked, this, &TfTestFrequency::accept);
    connect(btnCancel, &QPushButton::clicked, this, &TfTestFrequency::reject);
}

void TfTestFrequency::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TfTestFrequency::FormShow() {
    loading_ = true;
    gvData->setHorizontalHeaderLabels(
        {QStringLiteral("信道"), QStringLiteral("接收[MHz]"), QStringLiteral("发射[MHz]")});
    const int widths[] = {60, 100, 100};
    for (int column = 0; column < 3; ++column)
        gvData->setColumnWidth(column, widths[column]);
    const QColor face = palette().color(QPalette::Button);
    for (int row = 0; row < ChannelCount; ++row) {
        gvData->setRowHeight(row, 22);
        auto* number = new QTableWidgetItem(QString::number(row + 1));
        number->setFlags(Qt::ItemIsEnabled);
        number->setTextAlignment(Qt::AlignCenter);
        number->setBackground(face);
        gvData->setItem(row, 0, number);
        for (int column = 1; column < 3; ++column) {
            if (gvData->item(row, column) == nullptr) {
                auto* cell = new QTableWidgetItem;
                cell->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
                gvData->setItem(row, column, cell);
            }
        }
    }
    gvData->setMinimumWidth(60 + 100 + 100 + 2 * gvData->frameWidth() + 20);
    gvData->setMinimumHeight(22 * ChannelCount + gvData->horizontalHeader()->sizeHint().height() +
                             2 * gvData->frameWidth());
    TranslateOnOpen(*this, db_.All, false);
    loading_ = false;
    changed_ = false;
}

// A number is held to the model's limits, warned about outside the band and
// shown with five decimals; anything else leaves the cell empty.
void TfTestFrequency::gvDataSetForeText(QTableWidgetItem* item) {
    if (loading_ || item->column() == 0)
        return;
    loading_ = true;
    const auto value = ParseFreqText(item->text().toStdString());
    if (!value) {
        item->setText(QString());
        loading_ = false;
        return;
    }
    const FreqCheck check = LimitFreqValue(*value, db_.All);
    item->setText(QString::fromStdString(FormatFreq(check.Freq)));
    loading_ = false;
    changed_ = true;
    if (check.Msg == FreqMsg::ErrRange)
        ShowMessageBox(db_, db_.Language.Caution, db_.Language.ErrRange, MsgInformation);
    else if (check.Msg == FreqMsg::OutRange)
        ShowMessageBox(db_, db_.Language.Caution, db_.Language.OutRange, MsgInformation);
}

void TfTestFrequency::done(int result) {
    if (changed_) {
        changed_ = false;
        // The text marks its line break the old way, as the codes #10#13.
        QString text = Label1->text();
        text.replace(QStringLiteral("#10#13"), QStringLiteral("\n"));
        ShowMessageBox(db_, db_.Language.Confirmation, text.toStdString(), MsgInformation);
    }
    QDialog::done(result);
}

bool RunTestFrequency(TfMaindb& db, QWidget* parent) {
    TfTestFrequency dialog(db, parent);
    dialog.exec();
    return true;
}
