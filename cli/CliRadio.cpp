#include "cli/CliRadio.h"

#include "app/Maindb.h"
#include "link/ProgramSession.h"
#include "link/RadioReader.h"
#include "link/SystemPorts.h"

#include <QEventLoop>
#include <QTimer>

#include <algorithm>
#include <cctype>

namespace {

// The device path stands as this port number in a directory of its own.
constexpr int PathPortNumber = 1;

// Longer than any transfer: the engines' own time-outs end a silent one first.
constexpr int TransferLimitMs = 120'000;

constexpr int StartPollMs = 10;

constexpr int ProgressWidth = 40;

std::string Describe(LinkMessage message) {
    switch (message) {
    case LinkMessage::LPortError:
        return "cannot open the port";
    case LinkMessage::ComError:
        return "the radio does not answer, or not as a KX-40 in programming mode does";
    case LinkMessage::ModError:
        return "the radio is of a model or band this program does not support";
    default:
        return "the transfer stopped";
    }
}

} // namespace

Result<std::unique_ptr<CliRadio>> CliRadio::ForPort(CliContext& ctx, TfMaindb& db,
                                                    const std::string& port) {
    if (port.starts_with('/')) {
        db.All.ComPort = PortName(PathPortNumber);
        return std::unique_ptr<CliRadio>(
            new CliRadio(ctx, PortDirectory({{PathPortNumber, port}}, {})));
    }
    std::string name = port;
    std::ranges::transform(name, name.begin(),
                           [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    const auto number = PortNumberOf(name);
    if (!name.starts_with("COM") || !number || *number < 1 || *number > MaxPortNumber) {
        return Error{"\"" + port + "\" is neither a port COM1 to COM" +
                     std::to_string(MaxPortNumber) + " nor a device path"};
    }
    db.All.ComPort = name;
    return std::unique_ptr<CliRadio>(
        new CliRadio(ctx, SystemPortDirectory(LoadPortPins(ctx.AppDir).Pins)));
}

Result<std::vector<std::uint8_t>> CliRadio::Read(CliContext& ctx, TfMaindb& db,
                                                 const std::string& port) {
    auto radio = ForPort(ctx, db, port);
    if (!radio) {
        return radio.error();
    }
    CliRadio& line = *radio.value();
    RadioReader reader(db, line.Link(), line.Timers(), line.Events("reading", false));
    if (auto read = line.Run(reader, LinkMessage::ReadOk); !read) {
        return read.error();
    }
    return std::vector<std::uint8_t>(reader.RxData().begin(), reader.RxData().end());
}

LinkEvents CliRadio::Events(std::string_view verb, bool force) {
    verb_ = verb;
    LinkEvents events;
    events.Progress = [this](int value) { DrawProgress(value); };
    events.Message = [this](LinkMessage message, const std::string& reason) {
        if (message == success_) {
            succeeded_ = true;
            Finish({});
        } else {
            Finish(Describe(message) + (reason.empty() ? "" : ": " + reason));
        }
    };
    events.AskForce = [this, force] {
        if (!force) {
            Finish("the radio is of another model than the file; --force writes it anyway");
        }
        return force;
    };
    events.CloseRequest = [this] { Finish(succeeded_ ? std::string() : "the transfer stopped"); };
    return events;
}

void CliRadio::Finish(std::string failure) {
    if (finished_) {
        return;
    }
    finished_ = true;
    failure_ = std::move(failure);
    if (loop_ != nullptr) {
        loop_->quit();
    }
}

void CliRadio::DrawProgress(int value) {
    if (!ctx_.Progress || finished_) {
        return;
    }
    const int filled = value * ProgressWidth / ProgramSession::ProgressMax;
    ctx_.Err << "\r" << verb_ << " [" << std::string(static_cast<std::size_t>(filled), '#')
             << std::string(static_cast<std::size_t>(ProgressWidth - filled), '.') << "] "
             << value * 100 / ProgramSession::ProgressMax << "%" << std::flush;
    barShown_ = true;
}

Result<void> CliRadio::Run(ProgramSession& engine, LinkMessage success) {
    success_ = success;
    finished_ = succeeded_ = false;
    failure_.clear();
    QEventLoop loop;
    loop_ = &loop;
    // The port opens after a short settling pause; the attempt starts then,
    // as when the user presses Ok in the dialog.
    QTimer startWhenOpen;
    startWhenOpen.setInterval(StartPollMs);
    QObject::connect(&startWhenOpen, &QTimer::timeout, &loop, [&] {
        if (link_.IsOpen()) {
            startWhenOpen.stop();
            engine.Start();
        }
    });
    QTimer::singleShot(TransferLimitMs, &loop, [this] { Finish("the transfer did not finish"); });
    engine.Open();
    startWhenOpen.start();
    if (!finished_) {
        loop.exec();
    }
    loop_ = nullptr;
    engine.Stop();
    if (barShown_) {
        ctx_.Err << "\n";
        barShown_ = false;
    }
    if (!succeeded_) {
        return Error{failure_};
    }
    return {};
}
