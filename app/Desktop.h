#pragma once

#include <QString>

#include <string>
#include <vector>

class QWidget;
struct TALL;

// What the main window asks of the desktop: file dialogs, the help viewer and
// the serial ports.
// Tests replace it so no dialog or viewer ever blocks them.
class Desktop {
public:
    virtual ~Desktop() = default;

    // The chosen path, empty when the user cancels.
    virtual QString OpenFileName(QWidget* parent, const QString& filter) = 0;
    virtual QString SaveFileName(QWidget* parent, const QString& filter) = 0;

    // True when a help viewer titled caption is already there; it is brought
    // to the front.
    virtual bool RaiseHelp(const QString& caption) = 0;
    // Opens the help file in the desktop's viewer; false when none could start.
    virtual bool OpenHelp(const QString& file, const QString& caption) = 0;

    // The ports that can be opened now, "COM" + n ascending.
    virtual std::vector<std::string> AvailablePorts(const TALL& all) = 0;
    // The device behind ComPort, empty when no device stands for it.
    virtual std::string PortDevice(const TALL& all) = 0;
};
