#pragma once

#include "link/TestBands.h"
#include "link/TestSequencer.h"

#include <QDialog>

#include <array>
#include <memory>
#include <vector>

class QComboBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QSlider;
class QStatusBar;
class QWidget;
class TfMaindb;

// The Power Test dialog: drives the radio in its test mode to set the low and
// high transmit power of the test slot of each 10 MHz sub-band. Every change
// goes to the radio at once when on line; the dialog keeps the values of all
// slots as last read or sent. Nothing of the radio image is touched.
class TfTestFrm : public QDialog {
    Q_OBJECT
public:
    TfTestFrm(TfMaindb& db, SerialLink& link, Scheduler& scheduler, QWidget* parent = nullptr);
    ~TfTestFrm() override;

    const TestSequencer& Sequencer() const { return *seq_; }

    QWidget* pMain;
    QLabel* lbRange;
    QComboBox* cxFreq;
    QLabel* lbFreqV;
    QLineEdit* cxFreqV;
    std::array<QLabel*, 2> lbTx;
    std::array<QSlider*, 2> tbTx;
    std::array<QLineEdit*, 2> ceTx;
    std::array<QLabel*, 2> fP;
    QPushButton* btnTx;
    QLabel* fSTx;
    QPushButton* btnPtt;
    QLabel* fD1;
    QPushButton* btnClose;
    QStatusBar* MainBar;
    QLabel* lbPort;
    QProgressBar* cxBar;

    void done(int result) override;

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FormShow();
    TestEvents Events();
    void EnableTestControls(bool enabled);
    void cxFreqChange(int index);
    void cxFreqVPropertiesEditValueChanged();
    void ShowCachedPower();
    void TrackBarChange(int row, int value);
    void TackBarMouseUp(int row);
    void ceTxValidate(int row);
    void RunPowerSequence(int row, int value);
    void SetIndicator(QLabel* light, bool on);
    void SetPortStatus(const std::string& text);

    TfMaindb& db_;
    std::unique_ptr<TestSequencer> seq_;
    std::vector<SubBand> bands_;
    SubBand subBand_;
    bool shown_ = false;
    bool barMoved_ = false;
    bool showAdjustMark_ = true;
};

// The power test command of the main window: the dialog on the configured port.
bool RunTestFrm(TfMaindb& db, QWidget* parent);
