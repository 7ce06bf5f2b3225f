#pragma once

#include "link/SerialLink.h"

// Baud rate and character framing of a serial line.
struct LineFormat {
    int Baud = 2400;
    Parity ParityMode = Parity::None;
    int DataBits = 8;
    int StopBits = 2;

    bool operator==(const LineFormat&) const = default;

    // Bits on the wire per byte, start bit included: 11 at 8N2.
    int BitsPerByte() const {
        return 1 + DataBits + (ParityMode == Parity::None ? 0 : 1) + StopBits;
    }
    // Time one byte takes on the wire, rounded to whole microseconds.
    long long ByteMicros() const {
        const long long baud = Baud > 0 ? Baud : 1;
        return (BitsPerByte() * 1'000'000LL + baud / 2) / baud;
    }
};

// Gives the port this rate and framing; they take effect at the next Open.
inline void ApplyLineFormat(SerialLink& link, const LineFormat& format) {
    link.SetBaud(format.Baud);
    link.SetParity(format.ParityMode);
    link.SetDataBits(format.DataBits);
    link.SetStopBits(format.StopBits);
}
