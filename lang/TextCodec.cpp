#include "lang/TextCodec.h"

#include <cerrno>
#include <iconv.h>

namespace {

constexpr std::string_view Replacement = "\xEF\xBF\xBD";

// Converts with iconv; an input byte that cannot be converted is replaced and
// skipped, so a damaged file still reads as far as it goes.
std::string Convert(const char* to, const char* from, std::string_view in,
                    std::string_view replacement) {
    iconv_t cd = ::iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1)) {
        return std::string(in);
    }
    std::string out;
    char buf[1024];
    char* src = const_cast<char*>(in.data());
    std::size_t srcLeft = in.size();
    while (true) {
        char* dst = buf;
        std::size_t dstLeft = sizeof buf;
        const std::size_t rc = srcLeft ? ::iconv(cd, &src, &srcLeft, &dst, &dstLeft)
                                       : ::iconv(cd, nullptr, nullptr, &dst, &dstLeft);
        const int err = errno;
        out.append(buf, static_cast<std::size_t>(dst - buf));
        if (rc != static_cast<std::size_t>(-1)) {
            if (srcLeft == 0) {
                break;
            }
            continue;
        }
        if (err == E2BIG) {
            continue;
        }
        // EILSEQ or a truncated sequence at the end (EINVAL).
        out.append(replacement);
        ++src;
        --srcLeft;
    }
    ::iconv_close(cd);
    return out;
}

} // namespace

bool IsValidUtf8(std::string_view bytes) {
    std::size_t i = 0;
    while (i < bytes.size()) {
        const auto c = static_cast<unsigned char>(bytes[i]);
        std::size_t len = 0;
        char32_t cp = 0;
        if (c < 0x80) {
            ++i;
            continue;
        } else if (c >= 0xC2 && c <= 0xDF) {
            len = 2;
            cp = c & 0x1F;
        } else if (c >= 0xE0 && c <= 0xEF) {
            len = 3;
            cp = c & 0x0F;
        } else if (c >= 0xF0 && c <= 0xF4) {
            len = 4;
            cp = c & 0x07;
        } else {
            return false;
        }
        if (i + len > bytes.size()) {
            return false;
        }
        for (std::size_t k = 1; k < len; ++k) {
            const auto t = static_cast<unsigned char>(bytes[i + k]);
            if ((t & 0xC0) != 0x80) {
                return false;
            }
            cp = (cp << 6) | (t & 0x3F);
        }
        // Overlong forms, surrogates and values past U+10FFFF.
        if ((len == 3 && cp < 0x800) || (len == 4 && (cp < 0x10000 || cp > 0x10FFFF)) ||
            (cp >= 0xD800 && cp <= 0xDFFF)) {
            return false;
        }
        i += len;
    }
    return true;
}

std::string GbkToUtf8(std::string_view bytes) {
    return Convert("UTF-8", "GB18030", bytes, Replacement);
}

std::string Utf8ToGbk(std::string_view text) {
    return Convert("GB18030", "UTF-8", text, "?");
}
