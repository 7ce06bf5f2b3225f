#pragma once

#include <array>
#include <cstdint>
#include <span>

// The password scrambling the radio expects: the first byte XOR 0x5E, every
// other byte XOR the first plain byte.
std::array<std::uint8_t, 8> ScrambleBlock(std::span<const std::uint8_t, 8> block);
