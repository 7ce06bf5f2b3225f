#include "app/AtomicFile.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

std::string SystemReason(const std::string& what, const std::string& path, int err) {
    return what + " \"" + path + "\": " + std::strerror(err);
}

// The file a link points at, or the path itself when it is no link or does not
// exist yet.
std::string ResolvedTarget(const std::string& path) {
    char buf[PATH_MAX];
    if (char* real = ::realpath(path.c_str(), buf)) {
        return real;
    }
    return path;
}

// A new file gets the permissions an ordinary create would give it; a replaced
// file keeps its own.
mode_t TargetMode(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) == 0) {
        return st.st_mode & 07777;
    }
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

bool WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

} // namespace

Result<void> WriteFileAtomic(const std::string& path, std::string_view bytes) {
    const std::string target = ResolvedTarget(path);
    std::string temp = target + ".XXXXXX";
    const int fd = ::mkstemp(temp.data());
    if (fd < 0) {
        return Error{SystemReason("Cannot create a file next to", target, errno)};
    }
    int err = 0;
    if (::fchmod(fd, TargetMode(target)) != 0 || !WriteAll(fd, bytes) || ::fsync(fd) != 0) {
        err = errno;
    }
    if (::close(fd) != 0 && err == 0) {
        err = errno;
    }
    if (err == 0 && ::rename(temp.c_str(), target.c_str()) != 0) {
        err = errno;
    }
    if (err == 0) {
        return {};
    }
    ::unlink(temp.c_str());
    return Error{SystemReason("Cannot write", target, err)};
}
