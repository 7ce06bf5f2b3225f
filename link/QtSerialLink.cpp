#include "link/QtSerialLink.h"

#include "link/PortOpenError.h"

#include <QMetaObject>

#include <cerrno>
#include <grp.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Name of the group that owns the device: the one the user must join.
std::string OwningGroup(const std::string& device) {
    struct stat info {};
    if (::stat(device.c_str(), &info) != 0)
        return {};
    const group* owner = ::getgrgid(info.st_gid);
    return owner ? owner->gr_name : std::string();
}

QSerialPort::Parity ToQt(Parity parity) {
    switch (parity) {
    case Parity::Odd:
        return QSerialPort::OddParity;
    case Parity::Even:
        return QSerialPort::EvenParity;
    case Parity::None:
        break;
    }
    return QSerialPort::NoParity;
}

} // namespace

QtSerialLink::QtSerialLink(PortDirectory directory) : directory_(std::move(directory)) {
    QObject::connect(&port_, &QSerialPort::readyRead, &port_, [this] { TakeArrivals(); });
    QObject::connect(&port_, &QSerialPort::errorOccurred, &port_,
                     [this](QSerialPort::SerialPortError error) { PortError(error); });
}

QtSerialLink::~QtSerialLink() {
    port_.close();
}

void QtSerialLink::SetBaud(int baud) {
    format_.Baud = baud;
    ApplyFormat();
}

void QtSerialLink::SetParity(Parity parity) {
    format_.ParityMode = parity;
    ApplyFormat();
}

void QtSerialLink::SetDataBits(int bits) {
    format_.DataBits = bits;
    ApplyFormat();
}

void QtSerialLink::SetStopBits(int bits) {
    format_.StopBits = bits;
    ApplyFormat();
}

void QtSerialLink::ApplyFormat() {
    port_.setBaudRate(format_.Baud);
    port_.setParity(ToQt(format_.ParityMode));
    port_.setDataBits(static_cast<QSerialPort::DataBits>(format_.DataBits));
    port_.setStopBits(format_.StopBits == 2 ? QSerialPort::TwoStop : QSerialPort::OneStop);
}

Result<void> QtSerialLink::Open() {
    if (port_.isOpen())
        return {};
    const std::string name = PortName(number_);
    const auto device = directory_.DeviceOf(number_);
    if (!device)
        return Error{PortFailureReason(PortFailure::NoDevice, name, "", "")};
    if (::access(device->c_str(), F_OK) != 0)
        return Error{PortFailureReason(PortFailure::Missing, name, *device, "")};
    if (::access(device->c_str(), R_OK | W_OK) != 0 && errno == EACCES)
        return Error{
            PortFailureReason(PortFailure::PermissionDenied, name, *device, OwningGroup(*device))};
    port_.setPortName(QString::fromStdString(*device));
    ApplyFormat();
    input_.clear();
    breaking_ = false;
    if (port_.open(QIODevice::ReadWrite))
        return {};
    // The user may use the device (checked above), so a refusal now means
    // that another program holds it: its lock or its exclusive open.
    const auto error = port_.error();
    const PortFailure failure = error == QSerialPort::PermissionError       ? PortFailure::InUse
                                : error == QSerialPort::DeviceNotFoundError ? PortFailure::Missing
                                                                            : PortFailure::Other;
    return Error{PortFailureReason(failure, name, *device, port_.errorString().toStdString())};
}

void QtSerialLink::Close() {
    port_.close();
    input_.clear();
}

void QtSerialLink::FlushInput() {
    input_.clear();
    if (port_.isOpen())
        port_.clear(QSerialPort::Input);
}

void QtSerialLink::FlushOutput() {
    if (port_.isOpen())
        port_.clear(QSerialPort::Output);
}

Result<void> QtSerialLink::Send(std::span<const std::uint8_t> bytes) {
    if (!port_.isOpen())
        return Error{"The port is not open."};
    const auto written =
        port_.write(reinterpret_cast<const char*>(bytes.data()), static_cast<qint64>(bytes.size()));
    if (written != static_cast<qint64>(bytes.size()))
        return Error{port_.errorString().toStdString()};
    // Hand the bytes to the driver now, as a port without a write buffer would.
    port_.flush();
    return {};
}

std::size_t QtSerialLink::OutputQueued() const {
    if (!port_.isOpen())
        return 0;
    // Bytes still in Qt's buffer, plus those the driver has not sent yet.
    int inDriver = 0;
    if (::ioctl(static_cast<int>(port_.handle()), TIOCOUTQ, &inDriver) != 0)
        inDriver = 0;
    return static_cast<std::size_t>(port_.bytesToWrite()) +
           static_cast<std::size_t>(std::max(inDriver, 0));
}

std::uint8_t QtSerialLink::GetByte() {
    if (input_.empty())
        return 0;
    const std::uint8_t byte = input_.front();
    input_.pop_front();
    return byte;
}

void QtSerialLink::TakeArrivals() {
    const QByteArray data = port_.readAll();
    if (data.isEmpty())
        return;
    input_.insert(input_.end(), data.begin(), data.end());
    NotifyDataAvailable(static_cast<std::size_t>(data.size()));
}

void QtSerialLink::PortError(QSerialPort::SerialPortError error) {
    if (error == QSerialPort::WriteError) {
        NotifyLineError();
        return;
    }
    if (error != QSerialPort::ReadError && error != QSerialPort::ResourceError)
        return;
    if (breaking_)
        return;
    breaking_ = true;
    // Closed from the event loop, not inside QSerialPort's own read handler.
    QMetaObject::invokeMethod(
        &port_,
        [this] {
            port_.close();
            NotifyLineError();
        },
        Qt::QueuedConnection);
}
