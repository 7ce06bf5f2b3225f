#include "sim/LoopbackLink.h"

#include <algorithm>

void LoopbackLink::SetPortNumber(int number) {
    portNumber_ = number;
    Log("SetPortNumber " + std::to_string(number));
}

void LoopbackLink::SetBaud(int baud) {
    format_.Baud = baud;
    Log("SetBaud " + std::to_string(baud));
}

void LoopbackLink::SetParity(Parity parity) {
    format_.ParityMode = parity;
    Log("SetParity " + std::to_string(static_cast<int>(parity)));
}

void LoopbackLink::SetDataBits(int bits) {
    format_.DataBits = bits;
    Log("SetDataBits " + std::to_string(bits));
}

void LoopbackLink::SetStopBits(int bits) {
    format_.StopBits = bits;
    Log("SetStopBits " + std::to_string(bits));
}

Result<void> LoopbackLink::Open() {
    Log("Open");
    if (openFailure_)
        return Error{*openFailure_};
    if (hungUp_)
        return Error{"The device has gone away."};
    open_ = true;
    return {};
}

void LoopbackLink::Close() {
    Log("Close");
    open_ = false;
    input_.clear();
    DropOutput();
}

void LoopbackLink::FlushInput() {
    Log("FlushInput");
    input_.clear();
}

void LoopbackLink::FlushOutput() {
    Log("FlushOutput");
    DropOutput();
}

void LoopbackLink::DropOutput() {
    ++outputGeneration_;
    output_.clear();
    sendBusyUntil_ = clock_.Clock().Now();
}

VirtualClock::Micros LoopbackLink::NextByteEnd(VirtualClock::Micros& busyUntil,
                                               const LineFormat& format) const {
    busyUntil = std::max(busyUntil, clock_.Clock().Now()) + format.ByteMicros();
    return busyUntil;
}

Result<void> LoopbackLink::Send(std::span<const std::uint8_t> bytes) {
    if (!open_)
        return Error{"The port is not open."};
    for (std::uint8_t byte : bytes) {
        output_.push_back(byte);
        const auto end = NextByteEnd(sendBusyUntil_, format_);
        clock_.AfterMicros(end - clock_.Clock().Now(), [this, generation = outputGeneration_] {
            if (generation != outputGeneration_ || output_.empty())
                return;
            const std::uint8_t sent = output_.front();
            output_.pop_front();
            if (format_ == radioFormat_ && radioReceiver_)
                radioReceiver_(sent);
        });
    }
    return {};
}

std::uint8_t LoopbackLink::GetByte() {
    if (input_.empty())
        return 0;
    const std::uint8_t byte = input_.front();
    input_.pop_front();
    return byte;
}

void LoopbackLink::Transmit(std::span<const std::uint8_t> bytes) {
    for (std::uint8_t byte : bytes) {
        const auto end = NextByteEnd(receiveBusyUntil_, radioFormat_);
        clock_.AfterMicros(end - clock_.Clock().Now(), [this, byte] {
            if (!open_)
                return;
            if (!(format_ == radioFormat_)) {
                NotifyLineError();
                return;
            }
            input_.push_back(byte);
            NotifyDataAvailable(1);
        });
    }
}

void LoopbackLink::RaiseLineError() {
    // Behind the bytes already on their way, as a fault on the line would be.
    const auto when = std::max(receiveBusyUntil_, clock_.Clock().Now());
    clock_.AfterMicros(when - clock_.Clock().Now(), [this] {
        if (open_)
            NotifyLineError();
    });
}

void LoopbackLink::HangUp() {
    const auto when = std::max(receiveBusyUntil_, clock_.Clock().Now());
    clock_.AfterMicros(when - clock_.Clock().Now(), [this] {
        hungUp_ = true;
        if (!open_)
            return;
        open_ = false;
        NotifyLineError();
    });
}
