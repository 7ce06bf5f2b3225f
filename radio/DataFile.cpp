#include "radio/DataFile.h"

#include "app/AtomicFile.h"
#include "app/TALL.h"
#include "radio/Catalogue.h"
#include "radio/FileHeader.h"
#include "radio/MacList.h"
#include "radio/NumberText.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cmath>
#include <cstring>
#include <span>

#include <fcntl.h>
#include <unistd.h>

namespace {

using FileBytes = std::array<std::uint8_t, DataFileSize>;

constexpr std::size_t HeaderToPassword = 8; // header bytes an open copies into image 0..7
constexpr int MaxBandEdge = 999;            // three digits per edge in the header

std::string Quoted(const std::string& fileName) {
    return "\"" + fileName + "\"";
}

// Closes the descriptor when it goes out of scope.
class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    ~FileDescriptor() {
        if (fd_ >= 0) {
            ::close(fd_);
        }
    }

    int Get() const { return fd_; }
    bool IsOpen() const { return fd_ >= 0; }

private:
    int fd_;
};

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

Result<std::string> BandDigits(const TALL& all) {
    const double low = std::round(all.BandLow);
    const double high = std::round(all.BandHigh);
    if (!(low >= 0 && low <= MaxBandEdge && high >= 0 && high <= MaxBandEdge)) {
        return Error{"The band " + all.BandText + " cannot be stored in a data file."};
    }
    return ZeroPadded(static_cast<unsigned>(low), 3) + ZeroPadded(static_cast<unsigned>(high), 3);
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
    const auto header =
        BuildFileHeader("P" + all.ModelCode, *band, BytesToDateMinute(std::span(now).first<6>()));
    if (!header) {
        return header.error();
    }
    FileBytes file{};
    const auto body = std::span<const std::uint8_t>(all.Image).subspan(RadioImage::FileBody.Offset,
                                                                       RadioImage::FileBody.Size);
    std::ranges::copy(body, std::ranges::copy(*header, file.begin()).out);
    if (auto written = WriteFileAtomic(
            fileName, std::string_view(reinterpret_cast<const char*>(file.data()), file.size()));
        !written) {
        return written;
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
        return LoadError{false,
                         "Cannot open " + Quoted(fileName) + ": " + std::strerror(errno) + "."};
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
