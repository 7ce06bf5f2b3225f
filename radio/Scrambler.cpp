#include "radio/Scrambler.h"

namespace {
constexpr std::uint8_t ScramblerKey = 0x5E;
}

std::array<std::uint8_t, 8> ScrambleBlock(std::span<const std::uint8_t, 8> block) {
    std::array<std::uint8_t, 8> out{};
    out[0] = block[0] ^ ScramblerKey;
    for (std::size_t i = 1; i < out.size(); ++i) {
        out[i] = block[i] ^ block[0];
    }
    return out;
}
