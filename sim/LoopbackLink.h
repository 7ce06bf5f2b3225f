#pragma once

#include "link/LineFormat.h"
#include "link/SerialLink.h"
#include "sim/RadioLine.h"
#include "sim/VirtualClock.h"

#include <cstdint>
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

// A serial port wired to a simulated radio in virtual time. Every byte takes
// its time on the wire at the configured rate (11 bits a byte at 8N2), in both
// directions, so the output queue drains and replies arrive as on a real line.
// When the port's format differs from the radio's, nothing gets through.
//
// For tests it can refuse to open, and it logs the calls made to it.
class LoopbackLink : public SerialLink, public RadioLine {
public:
    explicit LoopbackLink(VirtualClock& clock) : clock_(clock) {}

    // SerialLink, the PC side.
    void SetPortNumber(int number) override;
    void SetBaud(int baud) override;
    void SetParity(Parity parity) override;
    void SetDataBits(int bits) override;
    void SetStopBits(int bits) override;
    Result<void> Open() override;
    void Close() override;
    bool IsOpen() const override { return open_; }
    void FlushInput() override;
    void FlushOutput() override;
    Result<void> Send(std::span<const std::uint8_t> bytes) override;
    std::size_t OutputQueued() const override { return output_.size(); }
    bool ByteReady() const override { return !input_.empty(); }
    std::uint8_t GetByte() override;

    // RadioLine, the radio side.
    void Transmit(std::span<const std::uint8_t> bytes) override;
    void RaiseLineError() override;
    void HangUp() override;

    // Where the bytes the PC sends arrive (the radio's receiver).
    void SetRadioReceiver(std::function<void(std::uint8_t)> receiver) {
        radioReceiver_ = std::move(receiver);
    }
    // The format the radio talks in.
    void SetRadioFormat(const LineFormat& format) { radioFormat_ = format; }
    // Makes every Open fail with this reason, or succeed again with nullopt.
    void SetOpenFailure(std::optional<std::string> reason) { openFailure_ = std::move(reason); }

    int PortNumber() const { return portNumber_; }
    const LineFormat& Format() const { return format_; }
    // "SetPortNumber 3", "SetBaud 2400", "Open", "FlushInput", ... in call order.
    const std::vector<std::string>& Calls() const { return calls_; }

private:
    // Bytes not yet on the wire never leave.
    void DropOutput();
    void Log(std::string call) { calls_.push_back(std::move(call)); }
    // Time at which a byte queued now, behind `busyUntil`, has fully crossed.
    VirtualClock::Micros NextByteEnd(VirtualClock::Micros& busyUntil,
                                     const LineFormat& format) const;

    ClockClient clock_;
    LineFormat format_;
    LineFormat radioFormat_;
    int portNumber_ = 0;
    bool open_ = false;
    bool hungUp_ = false;
    std::optional<std::string> openFailure_;
    std::deque<std::uint8_t> input_;
    std::deque<std::uint8_t> output_;
    std::uint64_t outputGeneration_ = 0;
    VirtualClock::Micros sendBusyUntil_ = 0;
    VirtualClock::Micros receiveBusyUntil_ = 0;
    std::function<void(std::uint8_t)> radioReceiver_;
    std::vector<std::string> calls_;
};
