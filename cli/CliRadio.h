#pragma once

#include "cli/CliContext.h"
#include "link/LinkEvents.h"
#include "link/QtScheduler.h"
#include "link/QtSerialLink.h"
#include "radio/Result.h"

#include <memory>
#include <string>
#include <string_view>
#include <vector>

class ProgramSession;
class QEventLoop;
class TfMaindb;

// The radio side of a command: the port named on the command line, the serial
// link and timers of the running program, and an event loop that carries one
// transfer of the window's engines to its end.
class CliRadio {
public:
    // PORT is "COM" + n, looked up in the port directory (the settings file's
    // pins, then the system's devices), or the path of a device. Makes it the
    // data module's port.
    static Result<std::unique_ptr<CliRadio>> ForPort(CliContext& ctx, TfMaindb& db,
                                                     const std::string& port);

    // Reads the radio on `port` into the data module as the window's read does
    // (model, band, sanitised settings); returns the memory as the radio sent it.
    static Result<std::vector<std::uint8_t>> Read(CliContext& ctx, TfMaindb& db,
                                                  const std::string& port);

    SerialLink& Link() { return link_; }
    Scheduler& Timers() { return scheduler_; }

    // The events an engine reports to; `verb` names the transfer on the
    // progress bar. With `force` the question whether to write to a radio of
    // another model is answered Yes, else the transfer stops there.
    LinkEvents Events(std::string_view verb, bool force);

    // Opens the port, makes one attempt and waits until it succeeds (the
    // engine reports `success`) or fails; the port is closed afterwards.
    Result<void> Run(ProgramSession& engine, LinkMessage success);

private:
    CliRadio(CliContext& ctx, PortDirectory directory) : ctx_(ctx), link_(std::move(directory)) {}
    void Finish(std::string failure);
    void DrawProgress(int value);

    CliContext& ctx_;
    QtSerialLink link_;
    QtScheduler scheduler_;
    std::string verb_;
    LinkMessage success_ = LinkMessage::ReadOk;
    bool finished_ = false;
    bool succeeded_ = false;
    std::string failure_;
    bool barShown_ = false;
    QEventLoop* loop_ = nullptr;
};
