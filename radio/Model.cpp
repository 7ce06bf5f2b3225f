#include "radio/Model.h"

#include "app/Maindb.h"
#include "lang/ItemTags.h"
#include "lang/TranslateForm.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

namespace {

template <typename T> T* Named(T* widget, const char* name) {
    widget->setObjectName(QLatin1String(name));
    return widget;
}

// Sets the list to the text, or to its first item when the text is not there.
void SelectOrFirst(QComboBox& list, const std::string& text) {
    const int index = list.findText(QString::fromStdString(text));
    list.setCurrentIndex(index >= 0 ? index : (list.count() > 0 ? 0 : -1));
}

} // namespace

TfModel::TfModel(TfMaindb& db, QWidget* parent)
    : QDialog(parent), db_(db), cbCopmut(Named(new QComboBox(this), "cbCopmut")),
      cbPd(Named(new QComboBox(this), "cbPd")),
      btnOk(Named(new QPushButton(QStringLiteral("&Ok"), this), "btnOk")),
      btnCancel(Named(new QPushButton(QStringLiteral("&Cancel"), this), "btnCancel")) {
    setObjectName(QStringLiteral("fModel"));
    setWindowTitle(QStringLiteral("Model Information"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    SetTag(*cbCopmut, TagData);
    SetTag(*cbPd, TagData);

    auto* fields = new QGridLayout;
    fields->addWidget(Named(new QLabel(QStringLiteral("Model Type: "), this), "Label1"), 0, 0);
    fields->addWidget(cbCopmut, 0, 1);
    fields->addWidget(Named(new QLabel(QStringLiteral("Frequency: "), this), "Label2"), 1, 0);
    fields->addWidget(cbPd, 1, 1);
    fields->setColumnMinimumWidth(1, 160);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btnOk);
    buttons->addWidget(btnCancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    btnOk->setDefault(true);

    connect(cbCopmut, &QComboBox::currentTextChanged, this, &TfModel::cbCopmutChange);
    connect(btnOk, &QPushButton::clicked, this, &QDialog::accept);
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
}

std::string TfModel::ModelText() const {
    return cbCopmut->currentText().toStdString();
}

std::string TfModel::BandText() const {
    return cbPd->currentText().toStdString();
}

void TfModel::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous()) {
        FormShow();
    }
}

void TfModel::FormShow() {
    TranslateOnOpen(*this, db_.All, false);
    std::vector<std::string> names;
    db_.Models.FillNames(names);
    const QSignalBlocker quiet(cbCopmut);
    cbCopmut->clear();
    for (const std::string& name : names) {
        cbCopmut->addItem(QString::fromStdString(name));
    }
    SelectOrFirst(*cbCopmut, db_.All.ModelName);
    cbCopmutChange();
    SelectOrFirst(*cbPd, db_.All.BandText);
    setResult(QDialog::Rejected);
}

void TfModel::cbCopmutChange() {
    cbPd->clear();
    const TMacType* model = db_.Models.FindByName(ModelText());
    if (model == nullptr) {
        return;
    }
    for (const std::string& band : model->Bands) {
        cbPd->addItem(QString::fromStdString(band));
    }
    SelectOrFirst(*cbPd, model->DefaultBand);
}

std::optional<std::string> ChooseModel(TfMaindb& db, QWidget* parent) {
    TfModel dialog(db, parent);
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return dialog.BandText();
}
