// kx40-radio-sim: a virtual KX-40 on a pseudo-terminal, so that the program can
// be tried and tested without a radio. The first line printed is the device to
// use as the serial port.

#include "app/LocalNow.h"
#include "app/Maindb.h"
#include "lang/IniFile.h"
#include "link/PortDirectory.h"
#include "link/QtScheduler.h"
#include "link/TestCode.h"
#include "radio/DataFile.h"
#include "sim/PtyRadioLine.h"
#include "sim/VirtualRadio.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QTemporaryDir>

#include <cstdio>
#include <fstream>
#include <optional>

namespace {

struct Options {
    QCommandLineParser parser;
    QCommandLineOption model{"model", "Model code the radio reports (4 characters).", "code"};
    QCommandLineOption memory{"memory", "Start with the memory of this .dat file.", "file"};
    QCommandLineOption testCode{"test-code", "Access code of the test mode (5 characters).",
                                "code"};
    QCommandLineOption paced{"paced", "Send answers at the line rate, byte by byte."};
    QCommandLineOption baud{"baud", "Line rate for --paced (default 2400).", "baud", "2400"};
    QCommandLineOption delay{"delay", "Wait this long before every answer.", "ms"};
    QCommandLineOption silent{"silent", "Never answer."};
    QCommandLineOption noReplyAt{"no-reply-at", "Do not answer the n-th request.", "n"};
    QCommandLineOption wrongByteAt{"wrong-byte-at", "Answer the n-th request with 15 alone.", "n"};
    QCommandLineOption garbageAt{"garbage-at", "Put a stray byte before the n-th answer.", "n"};
    QCommandLineOption hangUpAt{"hang-up-at", "Hang up at the n-th request.", "n"};
    QCommandLineOption dump{"dump", "Write the 368 memory bytes here after every session.", "file"};
    QCommandLineOption pinTo{"pin-to", "Pin the device as COM<port> in this settings file.",
                             "SysInfo.Ini"};
    QCommandLineOption port{"port", "Port number for --pin-to (default 1).", "n", "1"};
    QCommandLineOption verbose{"verbose", "Print every request."};

    Options() {
        parser.setApplicationDescription(
            "A virtual KX-40 radio on a pseudo-terminal. Prints the device on its first line.");
        parser.addHelpOption();
        parser.addOptions({model, memory, testCode, paced, baud, delay, silent, noReplyAt,
                           wrongByteAt, garbageAt, hangUpAt, dump, pinTo, port, verbose});
    }
};

[[noreturn]] void Fail(const QString& why) {
    std::fprintf(stderr, "kx40-radio-sim: %s\n", qPrintable(why));
    std::exit(2);
}

int Number(const Options& options, const QCommandLineOption& option, int low, int high) {
    if (!options.parser.isSet(option))
        return 0;
    bool ok = false;
    const int value = options.parser.value(option).toInt(&ok);
    if (!ok || value < low || value > high)
        Fail(QStringLiteral("--%1 wants a whole number from %2 to %3")
                 .arg(option.names().first())
                 .arg(low)
                 .arg(high));
    return value;
}

std::string Code(const Options& options, const QCommandLineOption& option, int length) {
    const QString code = options.parser.value(option);
    const QByteArray bytes = code.toLatin1();
    if (code.size() != length || bytes.size() != length ||
        std::any_of(bytes.begin(), bytes.end(), [](char c) { return c < 0x20 || c > 0x7E; }))
        Fail(QStringLiteral("--%1 wants %2 printable ASCII characters")
                 .arg(option.names().first())
                 .arg(length));
    return bytes.toStdString();
}

RadioFaults Faults(const Options& options) {
    RadioFaults faults;
    constexpr int most = 1'000'000;
    faults.Silent = options.parser.isSet(options.silent);
    faults.NoReplyAt = Number(options, options.noReplyAt, 1, most);
    faults.WrongByteAt = Number(options, options.wrongByteAt, 1, most);
    faults.GarbageAt = Number(options, options.garbageAt, 1, most);
    faults.HangUpAt = Number(options, options.hangUpAt, 1, most);
    faults.ReplyDelayMs = Number(options, options.delay, 0, 60'000);
    faults.Paced = options.parser.isSet(options.paced);
    return faults;
}

// The memory of a new radio of the first model, or the one of a data file.
void LoadMemory(const Options& options, VirtualRadio& radio, std::string& modelCode) {
    const QTemporaryDir noSettings;
    TfMaindb db((noSettings.path() + QLatin1Char('/')).toStdString());
    if (auto started = db.CompleteStartup(LocalNow()); !started)
        Fail(QString::fromStdString(started.error().Reason));
    if (options.parser.isSet(options.memory)) {
        const auto loaded = LoadDataFile(db.All, db.Models, db.Bands,
                                         options.parser.value(options.memory).toStdString());
        if (!loaded)
            Fail(QString::fromStdString(loaded.error().UnknownModel
                                            ? "the file is not for a model of this program"
                                            : loaded.error().Reason));
    }
    const auto window = RadioImageView::RadioWindow;
    std::copy_n(db.All.Image.begin() + static_cast<std::ptrdiff_t>(window.Offset), window.Size,
                radio.Memory().begin());
    modelCode = db.All.ModelCode;
}

void PinDevice(const Options& options, const std::string& device) {
    const int number = Number(options, options.port, 1, MaxPortNumber);
    IniFile settings = IniFile::Load(options.parser.value(options.pinTo).toStdString());
    if (!settings.LoadError().empty())
        Fail(QString::fromStdString(settings.LoadError()));
    settings.WriteString(PortsSection, PortName(number), device);
    if (auto saved = settings.Save(); !saved)
        Fail(QString::fromStdString(saved.error().Reason));
}

QString Hex(const std::vector<std::uint8_t>& bytes) {
    return QByteArray(reinterpret_cast<const char*>(bytes.data()),
                      static_cast<qsizetype>(bytes.size()))
        .toHex(' ')
        .toUpper();
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("kx40-radio-sim"));
    Options options;
    options.parser.process(app);

    PtyRadioLine line;
    if (auto opened = line.Open(); !opened)
        Fail(QString::fromStdString(opened.error().Reason));
    QtScheduler scheduler;
    VirtualRadio radio(scheduler, line);
    std::string modelCode;
    LoadMemory(options, radio, modelCode);
    radio.SetModelCode(options.parser.isSet(options.model) ? Code(options, options.model, 4)
                                                           : modelCode);
    radio.SetTestCode(options.parser.isSet(options.testCode) ? Code(options, options.testCode, 5)
                                                             : std::string(DefaultTestCode));
    radio.Faults() = Faults(options);
    LineFormat format;
    format.Baud = Number(options, options.baud, 50, 4'000'000);
    radio.SetFormat(format);
    line.SetReceiver([&radio](std::uint8_t byte) { radio.Receive(byte); });

    const bool verbose = options.parser.isSet(options.verbose);
    const std::optional<std::string> dump =
        options.parser.isSet(options.dump)
            ? std::optional(options.parser.value(options.dump).toStdString())
            : std::nullopt;
    radio.SetOnRequest([&](const std::vector<std::uint8_t>& request) {
        if (verbose)
            std::printf("%s\n", qPrintable(Hex(request)));
        if (dump && request == std::vector<std::uint8_t>{'E'}) {
            std::ofstream out(*dump, std::ios::binary | std::ios::trunc);
            out.write(reinterpret_cast<const char*>(radio.Memory().data()),
                      static_cast<std::streamsize>(radio.Memory().size()));
        }
        std::fflush(stdout);
        if (radio.HungUp())
            QCoreApplication::quit();
    });

    if (options.parser.isSet(options.pinTo))
        PinDevice(options, line.DevicePath());
    std::printf("%s\n", line.DevicePath().c_str());
    std::fflush(stdout);
    return QCoreApplication::exec();
}
