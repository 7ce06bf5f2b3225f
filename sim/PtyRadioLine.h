#pragma once

#include "radio/Result.h"
#include "sim/RadioLine.h"

#include <QSocketNotifier>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

// The radio's end of a pseudo-terminal: programs open DevicePath() as if it
// were the serial port the radio is plugged into. A pseudo-terminal has no
// line rate and no framing, so pacing is the radio's business and the only
// line fault it can show is a hang-up.
class PtyRadioLine : public RadioLine {
public:
    PtyRadioLine() = default;
    ~PtyRadioLine() override;
    PtyRadioLine(const PtyRadioLine&) = delete;
    PtyRadioLine& operator=(const PtyRadioLine&) = delete;

    Result<void> Open();
    // The device to open, e.g. /dev/pts/5.
    const std::string& DevicePath() const { return devicePath_; }
    void SetReceiver(std::function<void(std::uint8_t)> receiver) {
        receiver_ = std::move(receiver);
    }

    void Transmit(std::span<const std::uint8_t> bytes) override;
    void RaiseLineError() override {}
    void HangUp() override;

private:
    void ReadArrivals();

    int master_ = -1;
    // Held open so that the line stays up between the programs that use it.
    int slave_ = -1;
    std::string devicePath_;
    std::unique_ptr<QSocketNotifier> notifier_;
    std::function<void(std::uint8_t)> receiver_;
};
