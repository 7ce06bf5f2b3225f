#include "link/TestFrm.h"

#include "app/Maindb.h"
#include "editors/FreqEntry.h"
#include "lang/ItemTags.h"
#include "lang/ShowMessageBox.h"
#include "lang/TranslateForm.h"
#include "link/QtScheduler.h"
#include "link/QtSerialLink.h"
#include "link/SystemPorts.h"
#include "link/TestCode.h"
#include "radio/FreqCodec.h"
#include "radio/NumberText.h"

#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QShowEvent>
#include <QSlider>
#include <QStatusBar>
#include <QVBoxLayout>

#include <algorithm>

namespace {

constexpr int MaxPower = 255;

template <typename T> T* Named(T* widget, const char* name) {
    widget->setObjectName(QLatin1String(name));
    return widget;
}

QLabel* Light(QWidget* parent, const char* name, const QColor& color) {
    auto* light = Named(new QLabel(parent), name);
    light->setFixedSize(14, 14);
    light->setAutoFillBackground(true);
    QPalette palette = light->palette();
    palette.setColor(QPalette::Window, color);
    light->setPalette(palette);
    return light;
}

QString Text(const std::string& text) {
    return QString::fromStdString(text);
}

} // namespace

TfTestFrm::TfTestFrm(TfMaindb& db, SerialLink& link, Scheduler& scheduler, QWidget* parent)
    : QDialog(parent), db_(db) {
    setObjectName(QStringLiteral("fTestFrm"));
    setWindowTitle(QStringLiteral("Power Test"));

    pMain = Named(new QWidget(this), "pMain");
    lbRange = Named(new QLabel(QStringLiteral("Select range for Frequency"), pMain), "lbRange");
    cxFreq = Named(new QComboBox(pMain), "cxFreq");
    SetTag(*cxFreq, TagData);
    lbFreqV = Named(new QLabel(QStringLiteral("Test Frequency"), pMain), "lbFreqV");
    cxFreqV = Named(new QLineEdit(pMain), "cxFreqV");
    cxFreqV->setMaxLength(12);
    const char* rowLabels[] = {"lbTx0", "lbTx1"};
    const char* bars[] = {"tbTx0", "tbTx1"};
    const char* boxes[] = {"ceTx0", "ceTx1"};
    const char* marks[] = {"fP0", "fP1"};
    const QString captions[] = {QStringLiteral("Low Power"), QStringLiteral("High Power")};
    auto* grid = new QGridLayout;
    grid->addWidget(lbRange, 0, 0, 1, 2);
    grid->addWidget(cxFreq, 0, 2, 1, 2);
    grid->addWidget(lbFreqV, 1, 0, 1, 2);
    grid->addWidget(cxFreqV, 1, 2, 1, 2);
    for (int row = 0; row < 2; ++row) {
        fP[row] = Light(pMain, marks[row], Qt::blue);
        lbTx[row] = Named(new QLabel(captions[row], pMain), rowLabels[row]);
        tbTx[row] = Named(new QSlider(Qt::Horizontal, pMain), bars[row]);
        tbTx[row]->setRange(0, MaxPower);
        tbTx[row]->setFocusPolicy(Qt::NoFocus);
        tbTx[row]->installEventFilter(this);
        ceTx[row] = Named(new QLineEdit(QStringLiteral("0"), pMain), boxes[row]);
        ceTx[row]->setValidator(new QRegularExpressionValidator(
            QRegularExpression(QStringLiteral("[0-9]{0,6}")), ceTx[row]));
        ceTx[row]->setMaximumWidth(60);
        grid->addWidget(fP[row], row + 2, 0);
        grid->addWidget(lbTx[row], row + 2, 1);
        grid->addWidget(tbTx[row], row + 2, 2);
        grid->addWidget(ceTx[row], row + 2, 3);
        connect(tbTx[row], &QSlider::valueChanged, this,
                [this, row](int value) { TrackBarChange(row, value); });
        connect(ceTx[row], &QLineEdit::editingFinished, this, [this, row] { ceTxValidate(row); });
    }
    fP[1]->hide();

    btnTx = Named(new QPushButton(QStringLiteral("Online"), pMain), "btnTx");
    fSTx = Light(pMain, "fSTx", palette().color(QPalette::Button));
    btnPtt = Named(new QPushButton(QStringLiteral("PTT"), pMain), "btnPtt");
    fD1 = Light(pMain, "fD1", palette().color(QPalette::Button));
    btnClose = Named(new QPushButton(QStringLiteral("Close"), pMain), "btnClose");
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(fSTx);
    buttons->addWidget(btnTx);
    buttons->addWidget(fD1);
    buttons->addWidget(btnPtt);
    buttons->addStretch();
    buttons->addWidget(btnClose);
    auto* panel = new QVBoxLayout(pMain);
    panel->addLayout(grid);
    panel->addLayout(buttons);

    MainBar = Named(new QStatusBar(this), "MainBar");
    MainBar->setSizeGripEnabled(false);
    lbPort = Named(new QLabel(MainBar), "lbPort");
    lbPort->setMinimumWidth(120);
    cxBar = Named(new QProgressBar(MainBar), "cxBar");
    cxBar->setTextVisible(false);
    cxBar->hide();
    MainBar->addWidget(lbPort);
    MainBar->addWidget(cxBar, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(pMain);
    layout->addWidget(MainBar);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(cxFreq, &QComboBox::currentIndexChanged, this, &TfTestFrm::cxFreqChange);
    connect(cxFreqV, &QLineEdit::editingFinished, this,
            &TfTestFrm::cxFreqVPropertiesEditValueChanged);
    connect(btnTx, &QPushButton::clicked, this,
            [this] { seq_->GoOnline(db_.All.ComPort, db_.All.TestCode); });
    connect(btnPtt, &QPushButton::clicked, this, [this] { seq_->TogglePtt(); });
    connect(btnClose, &QPushButton::clicked, this, [this] { seq_->Leave(); });

    seq_ = std::make_unique<TestSequencer>(link, scheduler, Events());
}

TfTestFrm::~TfTestFrm() = default;

TestEvents TfTestFrm::Events() {
    TestEvents e;
    e.Progress = [this](const TestProgress& progress) {
        cxBar->setMaximum(std::max(progress.Max, 1));
        cxBar->setValue(progress.Position);
        cxBar->setVisible(progress.Shown);
    };
    e.EnablePanel = [this](bool enabled) { pMain->setEnabled(enabled); };
    e.EnableTestControls = [this](bool enabled) { EnableTestControls(enabled); };
    e.PortOpened = [this] { SetPortStatus(" COM:    " + db_.Language.Open); };
    e.PortOpenFailed = [this](const std::string& reason) {
        const std::string& text = db_.Language.LPortError;
        ShowMessageBox(db_, db_.Language.Confirmation, reason.empty() ? text : text + "\n" + reason,
                       MsgInformation);
    };
    e.PortClosed = [this] { SetPortStatus("    COM:Close"); };
    e.OnlineDone = [this] {
        SetIndicator(fSTx, true);
        ShowCachedPower();
    };
    e.PttChanged = [this](bool on) {
        btnPtt->setProperty("state", on ? 1 : 0);
        SetIndicator(fD1, on);
    };
    e.AskRetry = [this] {
        return ShowMessageBox(db_, db_.Language.Confirmation, db_.Language.ComError,
                              MsgRetryCancel) == IdRetry;
    };
    e.CloseRequest = [this] { accept(); };
    return e;
}

void TfTestFrm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!shown_ && !event->spontaneous()) {
        shown_ = true;
        FormShow();
    }
}

void TfTestFrm::FormShow() {
    EnableTestControls(false);
    TranslateOnOpen(*this, db_.All, false);
    LoadTestCode(db_.All);
    showAdjustMark_ = true;
    seq_->SetBusy(true);
    SetPortStatus(" COM:    " + db_.Language.Close);
    bands_ = SubBands(db_.All.BandLow, db_.All.BandHigh);
    const QSignalBlocker block(cxFreq);
    cxFreq->clear();
    for (const auto& band : bands_)
        cxFreq->addItem(Text(band.Text));
    if (!bands_.empty()) {
        cxFreq->setCurrentIndex(0);
        cxFreqChange(0);
    }
}

void TfTestFrm::done(int result) {
    seq_->Stop();
    QDialog::done(result);
}

void TfTestFrm::EnableTestControls(bool enabled) {
    for (QWidget* control : {static_cast<QWidget*>(cxFreq), static_cast<QWidget*>(cxFreqV),
                             static_cast<QWidget*>(tbTx[0]), static_cast<QWidget*>(tbTx[1]),
                             static_cast<QWidget*>(ceTx[0]), static_cast<QWidget*>(ceTx[1]),
                             static_cast<QWidget*>(btnPtt)})
        control->setEnabled(enabled);
}

void TfTestFrm::SetPortStatus(const std::string& text) {
    lbPort->setText(Text(text));
}

void TfTestFrm::SetIndicator(QLabel* light, bool on) {
    QPalette palette = light->palette();
    palette.setColor(QPalette::Window,
                     on ? QColor(Qt::red) : this->palette().color(QPalette::Button));
    light->setPalette(palette);
}

void TfTestFrm::cxFreqChange(int index) {
    if (index < 0 || static_cast<std::size_t>(index) >= bands_.size())
        return;
    subBand_ = bands_[static_cast<std::size_t>(index)];
    cxFreqV->setText(Text(FormatFreq(DefaultTestFrequency(subBand_))));
    cxFreqVPropertiesEditValueChanged();
    seq_->SetSlot(subBand_.Slot);
    ShowCachedPower();
}

void TfTestFrm::cxFreqVPropertiesEditValueChanged() {
    const auto settled = SettleTestFrequency(cxFreqV->text().toStdString(), subBand_, db_.All);
    if (!settled) {
        cxFreqV->setText(Text(FormatFreq(DefaultTestFrequency(subBand_))));
        ShowMessageBox(db_, db_.Language.Caution, db_.Language.ErrRange, MsgInformation);
        return;
    }
    cxFreqV->setText(Text(*settled));
    if (const auto bytes = FreqToBcd(*settled))
        seq_->SetFrequency(*bytes);
}

// The bars take the slot's values without sending them back to the radio and
// without moving the adjust mark.
void TfTestFrm::ShowCachedPower() {
    showAdjustMark_ = false;
    seq_->SetBusy(true);
    const auto pair = seq_->CachedPower(seq_->Slot());
    for (int row = 0; row < 2; ++row)
        tbTx[row]->setValue(pair[static_cast<std::size_t>(row)]);
    seq_->SetBusy(false);
    showAdjustMark_ = true;
}

void TfTestFrm::TrackBarChange(int row, int value) {
    barMoved_ = true;
    if (showAdjustMark_) {
        fP[row]->show();
        fP[1 - row]->hide();
    }
    ceTx[row]->setText(QString::number(value));
}

void TfTestFrm::TackBarMouseUp(int row) {
    if (!barMoved_)
        return;
    RunPowerSequence(row, tbTx[row]->value());
    barMoved_ = false;
}

void TfTestFrm::ceTxValidate(int row) {
    const auto typed = ParseDigits(ceTx[row]->text().toStdString());
    const int value =
        typed ? static_cast<int>(std::min<std::uint32_t>(*typed, MaxPower)) : tbTx[row]->value();
    ceTx[row]->setText(QString::number(value));
    if (value == tbTx[row]->value())
        return;
    tbTx[row]->setValue(value);
    RunPowerSequence(row, value);
}

void TfTestFrm::RunPowerSequence(int row, int value) {
    seq_->SetPower(row == 0 ? PowerLevel::Low : PowerLevel::High, static_cast<std::uint8_t>(value));
}

// Keys and the wheel would move a bar without sending its value: only the
// mouse moves the bars, and releasing it sends.
bool TfTestFrm::eventFilter(QObject* watched, QEvent* event) {
    for (int row = 0; row < 2; ++row) {
        if (watched != tbTx[row])
            continue;
        switch (event->type()) {
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::Wheel:
            return true;
        case QEvent::MouseButtonRelease:
            // The bar settles first, then its value is sent.
            watched->event(event);
            TackBarMouseUp(row);
            return true;
        default:
            break;
        }
    }
    return QDialog::eventFilter(watched, event);
}

bool RunTestFrm(TfMaindb& db, QWidget* parent) {
    QtSerialLink link(CurrentPortDirectory(db.All));
    QtScheduler scheduler;
    TfTestFrm dialog(db, link, scheduler, parent);
    dialog.exec();
    return true;
}
