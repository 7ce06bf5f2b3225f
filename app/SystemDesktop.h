#pragma once

#include "app/Desktop.h"

#include <QProcess>
#include <memory>

// The real desktop: Qt file dialogs and a help viewer process that is watched
// so that a second help command does not start a second viewer.
class SystemDesktop : public Desktop {
public:
    QString OpenFileName(QWidget* parent, const QString& filter) override;
    QString SaveFileName(QWidget* parent, const QString& filter) override;
    bool RaiseHelp(const QString& caption) override;
    bool OpenHelp(const QString& file, const QString& caption) override;
    std::vector<std::string> AvailablePorts(const TALL& all) override;
    std::string PortDevice(const TALL& all) override;

private:
    std::unique_ptr<QProcess> viewer_;
};
