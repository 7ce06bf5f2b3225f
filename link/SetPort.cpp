#include "link/SetPort.h"

#include "app/Maindb.h"
#include "lang/ItemTags.h"
#include "lang/TranslateForm.h"
#include "link/SystemPorts.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

constexpr int PortRows = 5;

QString Text(const std::string& text) {
    return QString::fromStdString(text);
}

} // namespace

TfSetPort::TfSetPort(TALL& all, PortDirectory directory, CanOpen canOpen, QWidget* parent)
    : QDialog(parent), all_(all), directory_(std::move(directory)), canOpen_(std::move(canOpen)) {
    setObjectName(QStringLiteral("fSetPort"));
    setWindowTitle(QStringLiteral("Communication Port"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    cxPort_ = new QGroupBox(QStringLiteral("Port"), this);
    cxPort_->setObjectName(QStringLiteral("cxPort"));
    auto* grid = new QGridLayout(cxPort_);
    // Four columns of five: 1-5, 6-10, 11-15, 16-20, each top to bottom.
    for (int n = 1; n <= PortButtons; ++n) {
        auto* button = new QRadioButton(Text(PortName(n)), cxPort_);
        button->setObjectName(QStringLiteral("cxPort%1").arg(n));
        button->setEnabled(false);
        grid->addWidget(button, (n - 1) % PortRows, (n - 1) / PortRows);
        buttons_[static_cast<std::size_t>(n - 1)] = button;
    }

    // Carriers of texts only: the caption prefix and the port list.
    lbName_ = new QLabel(QStringLiteral("Port:"), this);
    lbName_->setObjectName(QStringLiteral("lbName"));
    lbName_->hide();
    cbCom_ = new QComboBox(this);
    cbCom_->setObjectName(QStringLiteral("cbCom"));
    SetTag(*cbCom_, TagData);
    cbCom_->hide();

    btnOk_ = new QPushButton(QStringLiteral("&Ok"), this);
    btnOk_->setObjectName(QStringLiteral("btnOk"));
    btnOk_->setDefault(true);
    btnCancel_ = new QPushButton(QStringLiteral("&Cancel"), this);
    btnCancel_->setObjectName(QStringLiteral("btnCancel"));
    connect(btnOk_, &QPushButton::clicked, this, &TfSetPort::btnOkClick);
    connect(btnCancel_, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttonRow = new QHBoxLayout;
    buttonRow->addStretch();
    buttonRow->addWidget(btnOk_);
    buttonRow->addWidget(btnCancel_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(cxPort_);
    layout->addLayout(buttonRow);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

QRadioButton* TfSetPort::PortButton(int number) const {
    if (number < 1 || number > PortButtons)
        return nullptr;
    return buttons_[static_cast<std::size_t>(number - 1)];
}

void TfSetPort::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!shown_) {
        shown_ = true;
        FormShow();
    }
}

void TfSetPort::FormShow() {
    if (all_.LanguageIndex > 0) {
        TranslateForm(*this, all_.AppDir, all_.LanguageName, true);
        for (int n = 1; n <= PortButtons; ++n)
            PortButton(n)->setText(lbName_->text() + QString::number(n));
    }
    cxPort_->setTitle(windowTitle());

    std::vector<std::string> ports;
    EnumeratePorts(&ports, directory_, canOpen_);
    for (const auto& port : ports) {
        cbCom_->addItem(Text(port));
        const auto number = DialogPortNumber(port);
        if (QRadioButton* button = number ? PortButton(*number) : nullptr)
            button->setEnabled(true);
    }
    for (int n = 1; n <= PortButtons; ++n) {
        const auto device = directory_.DeviceOf(n);
        PortButton(n)->setToolTip(device ? Text(*device) : tr("No device"));
    }
    // The stored port stays checked even when it cannot be opened now.
    const auto stored = DialogPortNumber(all_.ComPort);
    if (QRadioButton* button = stored ? PortButton(*stored) : nullptr)
        button->setChecked(true);
}

void TfSetPort::btnOkClick() {
    for (int n = 1; n <= PortButtons; ++n) {
        if (PortButton(n)->isChecked())
            all_.ComPort = PortName(n);
    }
    accept();
}

bool RunSetPort(TfMaindb& db, QWidget* parent) {
    TfSetPort dialog(db.All, CurrentPortDirectory(db.All), CanOpenExclusively, parent);
    return dialog.exec() == QDialog::Accepted;
}
