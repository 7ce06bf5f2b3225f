#include "editors/PassWord.h"

#include "app/Maindb.h"
#include "editors/IdentityFields.h"
#include "radio/RadioImage.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

TfPassWord::TfPassWord(TfMaindb& db, QWidget* parent)
    : TEditorForm(QStringLiteral("fPassWord"), QStringLiteral("PassWord"), db.All, parent),
      db_(db) {
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
        connect(edit, &QLineEdit::textChanged, this, [this] {
            if (state_ == 2)
                StorePasswords();
        });
    }
    lbOld->setBuddy(cxoPasd_);
    lbNew->setBuddy(cxnPasd_);
    connect(cbNps_, &QCheckBox::toggled, this, &TfPassWord::cbNpsClick);

    auto* grid = new QGridLayout;
    grid->addWidget(lbOld, 0, 0);
    grid->addWidget(cxoPasd_, 0, 1);
    grid->addWidget(lbNew, 1, 0);
    grid->addWidget(cxnPasd_, 1, 1);
    grid->addWidget(cbNps_, 1, 2);
    SetBody(grid);
}

void TfPassWord::FormShow() {
    Translate();
    LoadFields();
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

void TfPassWord::StorePasswords() {
    ::StorePasswords(cxoPasd_->text().toStdString(), cxnPasd_->text().toStdString(), db_.All);
}

void TfPassWord::cbNpsClick() {
    const bool ticked = cbNps_->isChecked();
    cxnPasd_->setEnabled(ticked);
    db_.All.NewPasswordEnabled = ticked;
}

void TfPassWord::btnOkClick() {
    StorePasswords();
    CloseForm();
}
