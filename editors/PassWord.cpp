#include "editors/PassWord.h"

#include "app/Maindb.h"
#include "editors/EditorFrame.h"
#include "editors/IdentityFields.h"
#include "radio/RadioImage.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

TfPassWord::TfPassWord(TfMaindb& db, QWidget* parent) : QWidget(parent), db_(db) {
    setObjectName(QStringLiteral("fPassWord"));
    setWindowTitle(QStringLiteral("PassWord"));
    setAttribute(Qt::WA_DeleteOnClose);

    auto* lbOld = new QLabel(QStringLiteral("PassWard"), this);
    lbOld->setObjectName(QStringLiteral("lbOld"));
    cxoPasd_ = new QLineEdit(this);
    cxoPasd_->setObjectName(QStringLiteral("cxoPasd"));
    auto* lbNew = new QLabel(QStringLiteral("New PassWard"), this);
    lbNew->setObjectName(QStringLiteral("lbNew"));
    cxnPasd_ = new QLineEdit(this);
    cxnPasd_->setObjectName(QStringLiteral("cxnPasd"));
    cxnPasd_->setEnabled(false);
    cbNps_ = new QCheckBox(this);
    cbNps_->setObjectName(QStringLiteral("cbNps"));
    for (QLineEdit* edit : {cxoPasd_, cxnPasd_}) {
        edit->setMaxLength(static_cast<int>(RadioImage::Password.Size));
        connect(edit, &QLineEdit::textChanged, this, &TfPassWord::PasswordChange);
    }
    lbOld->setBuddy(cxoPasd_);
    lbNew->setBuddy(cxnPasd_);
    connect(cbNps_, &QCheckBox::toggled, this, &TfPassWord::cbNpsClick);

    auto* btnOk = new QPushButton(QStringLiteral("&Ok"), this);
    btnOk->setObjectName(QStringLiteral("btnOk"));
    btnOk->hide();
    connect(btnOk, &QPushButton::clicked, this, &TfPassWord::btnOkClick);
    auto* btnCancel = new QPushButton(QStringLiteral("&Close"), this);
    btnCancel->setObjectName(QStringLiteral("btnCancel"));
    connect(btnCancel, &QPushButton::clicked, this, [this] { CloseEditor(this); });

    auto* grid = new QGridLayout;
    grid->addWidget(lbOld, 0, 0);
    grid->addWidget(cxoPasd_, 0, 1);
    grid->addWidget(lbNew, 1, 0);
    grid->addWidget(cxnPasd_, 1, 1);
    grid->addWidget(cbNps_, 1, 2);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btnOk);
    buttons->addWidget(btnCancel);
    auto* top = new QVBoxLayout(this);
    top->addLayout(grid);
    top->addLayout(buttons);
    top->setSizeConstraint(QLayout::SetFixedSize);
}

void TfPassWord::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!shown_) {
        shown_ = true;
        FormShow();
    }
}

void TfPassWord::FormShow() {
    LoadFields();
    PlaceEditor(this);
}

void TfPassWord::LoadFields() {
    state_ = 1;
    const RadioImageView image(db_.All.Image);
    cxoPasd_->setText(QString::fromStdString(PasswordText(image)));
    const bool enabled = db_.All.NewPasswordEnabled;
    cbNps_->setChecked(enabled);
    cxnPasd_->setEnabled(enabled);
    cxnPasd_->setText(enabled ? QString::fromStdString(NewPasswordText(image)) : QString());
    state_ = 2;
}

void TfPassWord::PasswordChange() {
    if (state_ == 2)
        StorePasswords(cxoPasd_->text().toStdString(), cxnPasd_->text().toStdString(), db_.All);
}

void TfPassWord::cbNpsClick() {
    const bool ticked = cbNps_->isChecked();
    cxnPasd_->setEnabled(ticked);
    db_.All.NewPasswordEnabled = ticked;
}

void TfPassWord::btnOkClick() {
    StorePasswords(cxoPasd_->text().toStdString(), cxnPasd_->text().toStdString(), db_.All);
    CloseEditor(this);
}
