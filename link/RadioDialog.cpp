#include "link/RadioDialog.h"

#include "app/Maindb.h"
#include "lang/ShowMessageBox.h"
#include "lang/TranslateForm.h"
#include "link/PortOpenError.h"

#include <QHBoxLayout>
#include <QProgressBar>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

TfRadioDialog::TfRadioDialog(TfMaindb& db, SerialLink& link, Scheduler& scheduler,
                             const QString& name, const QString& caption, QWidget* parent)
    : QDialog(parent), pBar(new QProgressBar(this)),
      btnOk(new QPushButton(QStringLiteral("&Ok"), this)),
      btnCancel(new QPushButton(QStringLiteral("&Cancel"), this)), db_(db), link_(link),
      scheduler_(scheduler) {
    setObjectName(name);
    setWindowTitle(caption);
    pBar->setObjectName(QStringLiteral("pBar"));
    btnOk->setObjectName(QStringLiteral("btnOk"));
    btnCancel->setObjectName(QStringLiteral("btnCancel"));
    pBar->setRange(0, ProgramSession::ProgressMax);
    pBar->setValue(0);
    pBar->setMinimumWidth(320);
    btnOk->setDefault(true);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btnOk);
    buttons->addWidget(btnCancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(pBar);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(btnOk, &QPushButton::clicked, this, &TfRadioDialog::btnOkClick);
    connect(btnCancel, &QPushButton::clicked, this, &TfRadioDialog::reject);
}

TfRadioDialog::~TfRadioDialog() = default;

LinkEvents TfRadioDialog::Events() {
    LinkEvents events;
    events.Progress = [this](int value) { pBar->setValue(value); };
    events.Message = [this](LinkMessage message, const std::string& reason) {
        std::string text = MessageText(db_.Language, message);
        if (!reason.empty())
            text = WithReason(text, reason);
        ShowMessageBox(db_, db_.Language.Confirmation, text, MsgInformation);
    };
    events.AskForce = [this] {
        return ShowMessageBox(db_, db_.Language.Confirmation, db_.Language.Modforce, MsgYesNo) ==
               IdYes;
    };
    events.CloseRequest = [this] { done(QDialog::Accepted); };
    events.EnableOk = [this](bool enabled) { btnOk->setEnabled(enabled); };
    return events;
}

void TfRadioDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TfRadioDialog::FormShow() {
    TranslateOnOpen(*this, db_.All, false);
    pBar->setMaximum(ProgramSession::ProgressMax);
    session_->Open();
}

void TfRadioDialog::btnOkClick() {
    session_->Start();
}

void TfRadioDialog::done(int result) {
    // Closing closes the port: whatever the engine still had pending is dropped.
    session_->Stop();
    QDialog::done(result);
}
