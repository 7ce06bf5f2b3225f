// Times a full read and a full write against the virtual radio on a line paced
// at 2400 baud 8N2, and compares each with its floor: the time the bytes need
// on the wire plus the pauses the protocol prescribes.
//
//   bench_transfer            virtual time, then real time
//   bench_transfer --virtual  virtual time only (deterministic, instant)

#include "app/Maindb.h"
#include "link/LineFormat.h"
#include "link/RadioReader.h"
#include "link/RadioWriter.h"

#include "RadioBench.h"
#include "TempDir.h"

#include <chrono>
#include <cstdio>
#include <cstring>
#include <functional>
#include <memory>
#include <thread>

namespace {

// Before the handshake: 450 ms and 50 ms; before the identification request: 5 ms.
constexpr double ProtocolPausesS = 0.505;
// Bytes the radio sends: the handshake and block acknowledges, the 16-byte
// identification and, for a read, 46 data replies of 12 bytes.
constexpr std::size_t ReadReplyBytes = 1 + 16 + 47 + 46 * 12;
constexpr std::size_t WriteReplyBytes = 1 + 16 + 47;

struct Figures {
    double Measured;
    double Floor;
};

// Moves the virtual clock along with the wall clock until `done`.
void RunInRealTime(VirtualClock& clock, const std::function<bool()>& done) {
    const auto start = std::chrono::steady_clock::now();
    const auto base = clock.Now();
    while (!done()) {
        std::this_thread::sleep_for(std::chrono::microseconds(200));
        const auto elapsed = std::chrono::duration_cast<std::chrono::microseconds>(
                                 std::chrono::steady_clock::now() - start)
                                 .count();
        clock.Advance(base + elapsed - clock.Now());
    }
}

Figures Run(bool write, bool realTime) {
    TempDir dir;
    TfMaindb db(dir.Dir());
    if (!db.CompleteStartup({0xEA, 0x07, 12, 9, 8, 38, 10}))
        return {0, 0};
    db.All.ComPort = "COM1";
    RadioBench bench;
    bench.Radio.SetModelCode("WZRE");
    bench.Radio.Faults().Paced = true;
    const std::uint8_t ident[8] = {'P', 'W', 'Z', 'R', 'E', 247, 0, 0};
    std::copy(std::begin(ident), std::end(ident), bench.Radio.Memory().begin() + 320);

    bool finished = false;
    std::int64_t endUs = 0;
    auto wallEnd = std::chrono::steady_clock::now();
    LinkEvents events;
    events.Message = [&](LinkMessage message, const std::string&) {
        finished = true;
        endUs = bench.Clock.Now();
        wallEnd = std::chrono::steady_clock::now();
        if (message != LinkMessage::ReadOk && message != LinkMessage::WriteOk)
            std::fprintf(stderr, "the transfer failed\n");
    };
    std::unique_ptr<ProgramSession> engine;
    if (write)
        engine = std::make_unique<RadioWriter>(db, bench.Link, bench.PcScheduler, events,
                                               [] { return DateTimeBytes{}; });
    else
        engine = std::make_unique<RadioReader>(db, bench.Link, bench.PcScheduler, events);
    engine->Open();
    bench.Clock.AdvanceMs(100); // the port is open
    const auto startUs = bench.Clock.Now();
    const auto wallStart = std::chrono::steady_clock::now();
    engine->Start();
    if (realTime)
        RunInRealTime(bench.Clock, [&] { return finished; });
    else
        bench.Clock.RunUntilIdle();

    const std::size_t wireBytes =
        bench.Radio.Received().size() + (write ? WriteReplyBytes : ReadReplyBytes);
    const double byteS = LineFormat{}.BitsPerByte() / 2400.0;
    const double measured = realTime ? std::chrono::duration<double>(wallEnd - wallStart).count()
                                     : static_cast<double>(endUs - startUs) / 1e6;
    return {measured, static_cast<double>(wireBytes) * byteS + ProtocolPausesS};
}

} // namespace

int main(int argc, char** argv) {
    const bool virtualOnly = argc > 1 && std::strcmp(argv[1], "--virtual") == 0;
    std::printf("%-6s %-8s %10s %10s %7s\n", "", "time", "measured", "floor", "ratio");
    for (const bool realTime : {false, true}) {
        if (realTime && virtualOnly)
            break;
        for (const bool write : {false, true}) {
            const Figures f = Run(write, realTime);
            std::printf("%-6s %-8s %9.3fs %9.3fs %7.3f\n", write ? "write" : "read",
                        realTime ? "real" : "virtual", f.Measured, f.Floor,
                        f.Floor > 0 ? f.Measured / f.Floor : 0.0);
        }
    }
    return 0;
}
