#pragma once

#include <cstdint>
#include <span>

// The radio's end of a serial line: what a simulated radio can do to the PC.
class RadioLine {
public:
    virtual ~RadioLine() = default;

    virtual void Transmit(std::span<const std::uint8_t> bytes) = 0;
    // A fault on the line that the PC's port reports (framing, noise).
    virtual void RaiseLineError() = 0;
    // The radio end goes away for good (cable pulled, simulator ended).
    virtual void HangUp() = 0;
};
