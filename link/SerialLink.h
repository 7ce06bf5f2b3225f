#pragma once

#include "radio/Result.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <span>
#include <utility>

enum class Parity { None, Odd, Even };

// The serial port as the radio engines use it. Settings take effect at the next
// Open. Events arrive one at a time on the thread that runs the engines; an
// engine that pauses routes them through its Scheduler (see GatedLinkEvents).
class SerialLink {
public:
    using DataHandler = std::function<void(std::size_t count)>;
    using LineErrorHandler = std::function<void()>;

    virtual ~SerialLink() = default;

    virtual void SetPortNumber(int number) = 0;
    virtual void SetBaud(int baud) = 0;
    virtual void SetParity(Parity parity) = 0;
    virtual void SetDataBits(int bits) = 0;
    virtual void SetStopBits(int bits) = 0;

    virtual Result<void> Open() = 0;
    virtual void Close() = 0;
    virtual bool IsOpen() const = 0;

    // Drop received bytes not yet taken / bytes not yet sent.
    virtual void FlushInput() = 0;
    virtual void FlushOutput() = 0;

    // Queues the bytes for sending; fails when the port is not open.
    virtual Result<void> Send(std::span<const std::uint8_t> bytes) = 0;
    Result<void> SendBytes(std::initializer_list<std::uint8_t> bytes) {
        return Send(std::span(bytes.begin(), bytes.size()));
    }
    // Bytes handed to Send that have not left the port yet.
    virtual std::size_t OutputQueued() const = 0;

    virtual bool ByteReady() const = 0;
    // The oldest received byte; only valid when ByteReady().
    virtual std::uint8_t GetByte() = 0;

    // Announces that `count` bytes have arrived.
    void SetOnDataAvailable(DataHandler handler) { onData_ = std::move(handler); }
    // Reports a broken line (framing fault, device gone, hang-up).
    void SetOnLineError(LineErrorHandler handler) { onLineError_ = std::move(handler); }

protected:
    void NotifyDataAvailable(std::size_t count) {
        if (onData_)
            onData_(count);
    }
    void NotifyLineError() {
        if (onLineError_)
            onLineError_();
    }

private:
    DataHandler onData_;
    LineErrorHandler onLineError_;
};
