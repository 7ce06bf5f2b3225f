#include "lang/SetLanguage.h"

#include "app/Maindb.h"
#include "lang/ItemTags.h"
#include "lang/ShowMessageBox.h"
#include "lang/SysInfo.h"
#include "lang/TranslateForm.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

#include <string>
#include <vector>

namespace {

template <typename T> T* Named(T* widget, const char* name) {
    widget->setObjectName(QLatin1String(name));
    return widget;
}

} // namespace

TfSetLanguage::TfSetLanguage(TfMaindb& db, QWidget* parent)
    : QDialog(parent), db_(db),
      lbName(Named(new QLabel(QStringLiteral("Language Mode: "), this), "lbName")),
      cbLanguage(Named(new QComboBox(this), "cbLanguage")),
      Language(Named(new QListWidget(this), "Language")),
      btnOk(Named(new QPushButton(QStringLiteral("&Ok"), this), "btnOk")),
      btnCancel(Named(new QPushButton(QStringLiteral("&Cancel"), this), "btnCancel")) {
    setObjectName(QStringLiteral("fSetLanguage"));
    setWindowTitle(QStringLiteral("Language File Setup"));
    SetTag(*cbLanguage, TagData);
    cbLanguage->addItems({QStringLiteral("English"), QStringLiteral("Chinese")});
    Language->addItems({QStringLiteral("English"), QStringLiteral("Chinese")});
    Language->hide();
    btnOk->setDefault(true);

    auto* row = new QHBoxLayout;
    row->addWidget(lbName);
    row->addWidget(cbLanguage, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btnOk);
    buttons->addWidget(btnCancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(btnOk, &QPushButton::clicked, this, &TfSetLanguage::btnOkClick);
    connect(btnCancel, &QPushButton::clicked, this, &TfSetLanguage::reject);
}

void TfSetLanguage::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    // Restoring a minimised window is no new show: the lists stay as picked.
    if (!event->spontaneous()) {
        FormShow();
    }
}

void TfSetLanguage::FormShow() {
    cbLanguage->clear();
    Language->clear();
    std::vector<std::string> display;
    std::vector<std::string> names;
    ReadLanguageLists(db_.All, display, names);
    for (const auto& text : display) {
        cbLanguage->addItem(QString::fromStdString(text));
    }
    for (const auto& name : names) {
        Language->addItem(QString::fromStdString(name));
    }
    TranslateOnOpen(*this, db_.All, false);
    cbLanguage->setCurrentIndex(db_.All.LanguageIndex < cbLanguage->count() ? db_.All.LanguageIndex
                                                                            : -1);
    languageChanged_ = false;
}

void TfSetLanguage::btnOkClick() {
    const int selected = cbLanguage->currentIndex();
    if (selected != db_.All.LanguageIndex) {
        if (selected < 0 || selected >= Language->count()) {
            // The display list is longer than the list of language names: there
            // is no language file to switch to.
            ShowMessageBox(db_, db_.Language.Confirmation,
                           "List index out of bounds (" + std::to_string(selected) +
                               "): SysInfo.Ini names no language for this entry.",
                           MsgInformation);
            return;
        }
        languageChanged_ = true;
        db_.All.LanguageName = Language->item(selected)->text().toStdString();
        db_.All.LanguageIndex = selected;
    }
    accept();
}

bool ChooseLanguage(TfMaindb& db, QWidget* parent) {
    TfSetLanguage dialog(db, parent);
    dialog.exec();
    if (!dialog.LanguageChanged()) {
        return false;
    }
    LoadLanguage(db.Language, db.All.AppDir, db.All.LanguageName);
    return true;
}
