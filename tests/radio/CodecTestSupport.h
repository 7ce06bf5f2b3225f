#pragma once

#include <cstdint>
#include <span>
#include <sstream>
#include <string>

#include <iomanip>

// Bytes as "25 06 60 44", so that a failed comparison shows what differs.
inline std::string Hex(std::span<const std::uint8_t> bytes) {
    std::ostringstream out;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        out << (i ? " " : "") << std::uppercase << std::hex << std::setw(2) << std::setfill('0')
            << static_cast<int>(bytes[i]);
    }
    return out.str();
}
