#include "app/TextFile.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <iterator>

Result<std::string> ReadTextFile(const std::string& fileName, std::size_t maxBytes) {
    std::ifstream in(fileName, std::ios::binary);
    if (!in) {
        return Error{"cannot open \"" + fileName + "\": " + std::strerror(errno)};
    }
    std::string text;
    char buffer[4096];
    while (in.read(buffer, sizeof buffer) || in.gcount() > 0) {
        text.append(buffer, static_cast<std::size_t>(in.gcount()));
        if (text.size() > maxBytes) {
            return Error{"\"" + fileName + "\" is larger than " + std::to_string(maxBytes) +
                         " bytes"};
        }
    }
    if (in.bad()) {
        return Error{"cannot read \"" + fileName + "\""};
    }
    return text;
}
