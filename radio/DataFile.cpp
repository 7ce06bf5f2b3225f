#include "radio/DataFile.h"

#include "app/TALL.h"
#include "radio/Catalogue.h"
#include "radio/FileHeader.h"
#include "radio/MacList.h"
#include "radio/NumberText.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cmath>
#include <span>
#include <system_error>
#include <utility>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

using FileBytes = std::array<std::uint8_t, DataFileSize>;

constexpr std::size_t HeaderToPassword = 8; // header bytes an open copies into image 0..7
constexpr int MaxBandEdge = 999;            // three digits per edge in the header

std::string Quoted(const std::string& fileName) {
    return "\"" + fileName + "\"";
}

std::string SystemReason() {
    return std::system_category().message(errno);
}

// Closes the descriptor when it goes out of scope.
class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    FileDescriptor(FileDescriptor&& other) noexcept : fd_(std::exchange(other.fd_, -1)) {}
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    ~FileDescriptor() {
        if (fd_ >= 0) {
            ::close(fd_);
        }
    }

    int Get() const { return fd_; }
    bool IsOpen() const { return fd_ >= 0; }
    // Closes now and reports whether the last buffered writes made it.
    bool Close() {
        const int fd = std::exchange(fd_, -1);
        return ::close(fd) == 0;
    }

private:
    int fd_;
};

bool WriteAll(int fd, std::span<const std::uint8_t> bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written <= 0) {
            if (written == 0) {
                errno = EIO;
            }
            return false;
        }
        bytes = bytes.subspan(static_cast<std::size_t>(written));
    }
    return true;
}

// Reads up to the size of `buffer`; the count read, or -1 with errno set.
ssize_t ReadUpTo(int fd, std::span<std::uint8_t> buffer) {
    std::size_t total = 0;
    while (total < buffer.size()) {
        const ssize_t got = ::read(fd, buffer.data() + total, buffer.size() - total);
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got < 0) {
            return -1;
        }
        if (got == 0) {
            break;
        }
        total += static_cast<std::size_t>(got);
    }
    return static_cast<ssize_t>(total);
}

std::string FolderOf(const std::string& fileName) {
    const auto slash = fileName.find_last_of('/');
    return slash == std::string::npos ? "." : fileName.substr(0, slash + 1);
}

// Creates a new file beside the target; its permissions follow the target
// when there is one, the user's defaults otherwise.
std::pair<FileDescriptor, std::string> CreateTemporaryBeside(const std::string& fileName) {
    struct stat target {};
    const bool replacing = ::stat(fileName.c_str(), &target) == 0;
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::string name =
            fileName + ".~" + std::to_string(::getpid()) + "-" + std::to_string(attempt);
        FileDescriptor fd(::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666));
        if (fd.IsOpen()) {
            if (replacing) {
                ::fchmod(fd.Get(), target.st_mode & 07777);
            }
            return {std::move(fd), std::move(name)};
        }
        if (errno != EEXIST) {
            break;
        }
    }
    return {FileDescriptor(-1), std::string()};
}

// Writes all bytes to the file so that readers see either the old or the new
// content, never a part of it.
Result<void> ReplaceFile(const std::string& fileName, std::span<const std::uint8_t> bytes) {
    auto [fd, temporary] = CreateTemporaryBeside(fileName);
    if (!fd.IsOpen()) {
        return Error{"Cannot create a file in the folder of " + Quoted(fileName) + ": " +
                     SystemReason() + "."};
    }
    const bool written = WriteAll(fd.Get(), bytes) && ::fsync(fd.Get()) == 0 && fd.Close() &&
                         ::rename(temporary.c_str(), fileName.c_str()) == 0;
    if (!written) {
        const std::string reason = SystemReason();
        ::unlink(temporary.c_str());
        return Error{"Cannot save " + Quoted(fileName) + ": " + reason + "."};
    }
    // Make the rename itself durable; the file is already complete.
    FileDescriptor folder(::open(FolderOf(fileName).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (folder.IsOpen()) {
        ::fsync(folder.Get());
    }
    return {};
}

Result<std::string> BandDigits(const TALL& all) {
    const double low = std::round(all.BandLow);
    const double high = std::round(all.BandHigh);
    if (!(low >= 0 && low <= MaxBandEdge && high >= 0 && high <= MaxBandEdge)) {
        return Error{"The band " + all.BandText + " cannot be stored in a data file."};
    }
    return ZeroPadded(static_cast<unsigned>(low), 3) + ZeroPadded(static_cast<unsigned>(high), 3);
}

// The save time to the minute: the date-time record without its seconds.
std::string DateMinuteText(const DateTimeBytes& now) {
    return BytesToDateMinute(std::span<const std::uint8_t, 6>(now.data(), 6));
}

} // namespace

Result<void> SaveDataFile(TALL& all, const std::string& fileName, const DateTimeBytes& now) {
    if (fileName.empty()) {
        return Error{"No file name was given."};
    }
    const auto band = BandDigits(all);
    if (!band) {
        return band.error();
    }
    const auto header = BuildFileHeader("P" + all.ModelCode, *band, DateMinuteText(now));
    if (!header) {
        return header.error();
    }
    FileBytes file{};
    const auto body = std::span<const std::uint8_t>(all.Image).subspan(RadioImage::FileBody.Offset,
                                                                       RadioImage::FileBody.Size);
    std::ranges::copy(body, std::ranges::copy(*header, file.begin()).out);
    if (auto replaced = ReplaceFile(fileName, file); !replaced) {
        return replaced;
    }
    all.Modified = false;
    return {};
}

Result<void, LoadError> LoadDataFile(TALL& all, const TMacList& models, const TFrqList& bands,
                                     const std::string& fileName) {
    FileBytes file{};
    FileDescriptor fd(::open(fileName.c_str(), O_RDONLY | O_CLOEXEC));
    const ssize_t size = fd.IsOpen() ? ReadUpTo(fd.Get(), file) : -1;
    if (size < 0) {
        return LoadError{false, "Cannot open " + Quoted(fileName) + ": " + SystemReason() + "."};
    }
    const auto length = static_cast<std::size_t>(size);
    if (length < FileHeaderSize) {
        return LoadError{true, Quoted(fileName) + " is too short to be a data file."};
    }

    const TFileHeader header = ParseFileHeader(std::span(file).first<FileHeaderSize>());
    std::string code = header.ModelText.substr(1);
    code.erase(code.find_last_not_of(' ') + 1);
    code.erase(0, code.find_first_not_of(' '));
    if (models.FindByCode(code) == nullptr) {
        return LoadError{true, Quoted(fileName) + " is for a model this program does not support."};
    }
    if (!ParseDigits(header.BandDigits.substr(0, 3)) || !ParseDigits(header.BandDigits.substr(3))) {
        return LoadError{false, Quoted(fileName) + " is damaged: its band edges " +
                                    header.BandDigits + " are not decimal numbers."};
    }

    // Build the new image aside, so that a refusal below leaves everything as it was.
    ImageBytes image = all.Image;
    std::copy_n(file.begin(), HeaderToPassword, image.begin());
    std::copy(file.begin() + FileHeaderSize, file.begin() + static_cast<std::ptrdiff_t>(length),
              image.begin() + static_cast<std::ptrdiff_t>(RadioImage::FileBody.Offset));

    if (auto applied = ApplyModel(all, models, bands, image[RadioImage::IdentBandCode], true);
        !applied) {
        return LoadError{true, Quoted(fileName) + ": " + applied.error().Reason};
    }
    all.Image = image;
    SanitizeImage(all, bands);
    all.FileDate = header.DateText;
    all.Modified = false;
    return {};
}
