#pragma once

#include "link/LineFormat.h"
#include "link/PortDirectory.h"
#include "link/SerialLink.h"

#include <QSerialPort>

#include <deque>

// The SerialLink of the running program, on QSerialPort. Port numbers are
// turned into devices by the directory given; an open that fails says why, as
// the system reported it, with what the user can do about it.
//
// A device that goes away (or a pseudo-terminal whose other end hangs up)
// makes QSerialPort report read errors over and over without closing; such an
// error is reported once as a line error and closes the port.
class QtSerialLink : public SerialLink {
public:
    explicit QtSerialLink(PortDirectory directory);
    ~QtSerialLink() override;

    void SetPortNumber(int number) override { number_ = number; }
    void SetBaud(int baud) override;
    void SetParity(Parity parity) override;
    void SetDataBits(int bits) override;
    void SetStopBits(int bits) override;
    Result<void> Open() override;
    void Close() override;
    bool IsOpen() const override { return port_.isOpen(); }
    void FlushInput() override;
    void FlushOutput() override;
    Result<void> Send(std::span<const std::uint8_t> bytes) override;
    std::size_t OutputQueued() const override;
    bool ByteReady() const override { return !input_.empty(); }
    std::uint8_t GetByte() override;

private:
    void ApplyFormat();
    void TakeArrivals();
    void PortError(QSerialPort::SerialPortError error);

    PortDirectory directory_;
    int number_ = 0;
    LineFormat format_;
    QSerialPort port_;
    std::deque<std::uint8_t> input_;
    bool breaking_ = false;
};
