#include "sim/PtyRadioLine.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

namespace {

std::string SystemError(const char* what) {
    return std::string(what) + ": " + std::strerror(errno);
}

} // namespace

PtyRadioLine::~PtyRadioLine() {
    HangUp();
}

Result<void> PtyRadioLine::Open() {
    master_ = ::posix_openpt(O_RDWR | O_NOCTTY);
    if (master_ < 0)
        return Error{SystemError("Cannot create a pseudo-terminal")};
    if (::grantpt(master_) != 0 || ::unlockpt(master_) != 0) {
        const Error error{SystemError("Cannot unlock the pseudo-terminal")};
        HangUp();
        return error;
    }
    const char* name = ::ptsname(master_);
    devicePath_ = name ? name : "";
    slave_ = devicePath_.empty() ? -1 : ::open(devicePath_.c_str(), O_RDWR | O_NOCTTY);
    if (slave_ < 0) {
        const Error error{SystemError("Cannot open the pseudo-terminal")};
        HangUp();
        return error;
    }
    // Raw bytes both ways until a program sets its own mode.
    termios mode{};
    if (::tcgetattr(slave_, &mode) == 0) {
        ::cfmakeraw(&mode);
        ::tcsetattr(slave_, TCSANOW, &mode);
    }
    notifier_ = std::make_unique<QSocketNotifier>(master_, QSocketNotifier::Read);
    QObject::connect(notifier_.get(), &QSocketNotifier::activated, notifier_.get(),
                     [this] { ReadArrivals(); });
    return {};
}

void PtyRadioLine::ReadArrivals() {
    std::uint8_t buffer[256];
    const auto count = ::read(master_, buffer, sizeof buffer);
    if (count <= 0) {
        if (count < 0 && (errno == EAGAIN || errno == EINTR))
            return;
        notifier_->setEnabled(false);
        return;
    }
    for (ssize_t i = 0; i < count; ++i) {
        if (receiver_)
            receiver_(buffer[i]);
    }
}

void PtyRadioLine::Transmit(std::span<const std::uint8_t> bytes) {
    std::size_t done = 0;
    while (master_ >= 0 && done < bytes.size()) {
        const auto count = ::write(master_, bytes.data() + done, bytes.size() - done);
        if (count < 0 && errno == EINTR)
            continue;
        if (count <= 0)
            return;
        done += static_cast<std::size_t>(count);
    }
}

void PtyRadioLine::HangUp() {
    notifier_.reset();
    if (slave_ >= 0)
        ::close(slave_);
    if (master_ >= 0)
        ::close(master_);
    slave_ = master_ = -1;
}
