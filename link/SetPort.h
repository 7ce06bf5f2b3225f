#pragma once

#include "link/PortDirectory.h"

#include <QDialog>

#include <array>
#include <functional>
#include <string>

class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;
class TfMaindb;
struct TALL;

// The Communication Port dialog: the user picks one of COM1..COM20 among the
// ports that can be opened now. Ok stores the choice in ComPort; Cancel keeps it.
class TfSetPort : public QDialog {
public:
    static constexpr int PortButtons = 20;
    using CanOpen = std::function<bool(const std::string& device)>;

    // `directory` says which device stands behind each number (shown as a
    // tool tip); `canOpen` probes a device.
    TfSetPort(TALL& all, PortDirectory directory, CanOpen canOpen, QWidget* parent = nullptr);

    QRadioButton* PortButton(int number) const;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void FormShow();
    void btnOkClick();

    TALL& all_;
    PortDirectory directory_;
    CanOpen canOpen_;
    bool shown_ = false;
    QGroupBox* cxPort_;
    std::array<QRadioButton*, PortButtons> buttons_{};
    QLabel* lbName_;
    QComboBox* cbCom_;
    QPushButton* btnOk_;
    QPushButton* btnCancel_;
};

// Runs the dialog on the ports of this system, for the main window's Port command.
bool RunSetPort(TfMaindb& db, QWidget* parent);
