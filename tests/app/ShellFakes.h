#pragma once

#include "app/Desktop.h"
#include "app/EditorWindow.h"
#include "app/Windows.h"

#include <QWidget>
#include <string>
#include <vector>

// What the fakes below were asked to do, in order.
using CallLog = std::vector<std::string>;

// An editor window that records how the main window drives it.
class FakeEditor : public QWidget, public EditorWindow {
public:
    FakeEditor(std::string name, CallLog& log) : name_(std::move(name)), log_(log) {
        setWindowTitle(QString::fromStdString(name_));
    }
    void FinishEditing() override { log_.push_back(name_ + ".finish"); }
    void ShowCurrentChannel() override { log_.push_back(name_ + ".show"); }

private:
    std::string name_;
    CallLog& log_;
};

class FakeDesktop : public Desktop {
public:
    QString OpenFileName(QWidget*, const QString& filter) override {
        filters.push_back(filter);
        return openReply;
    }
    QString SaveFileName(QWidget*, const QString& filter) override {
        filters.push_back(filter);
        ++saveDialogs;
        return saveReply;
    }
    bool RaiseHelp(const QString& caption) override {
        raised.push_back(caption);
        return viewerRunning;
    }
    std::vector<std::string> AvailablePorts(const TALL&) override { return ports; }
    std::string PortDevice(const TALL&) override { return portDevice; }
    bool OpenHelp(const QString& file, const QString&) override {
        helpFiles.push_back(file);
        viewerRunning = true;
        return true;
    }

    std::vector<std::string> ports;
    std::string portDevice = "/dev/ttyUSB0";
    QString openReply;
    QString saveReply;
    int saveDialogs = 0;
    bool viewerRunning = false;
    std::vector<QString> filters;
    std::vector<QString> raised;
    std::vector<QString> helpFiles;
};

// Every window of the table as a fake that records into log: editors log
// "<name>.new" when built, dialogs their name and report completion.
TfWindows FakeWindows(CallLog& log);
