#pragma once

#include "radio/FreqCodec.h"

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

// One exchange with the radio in its test mode: the bytes to send and the
// reply to wait for.
struct TestStep {
    std::array<std::uint8_t, 20> Command{};
    std::uint8_t SendLength = 0;
    // 0: no reply, 1: a one-byte acknowledge, 6: a six-byte data reply.
    std::uint8_t ReplyLength = 0;
    // For ReplyLength 1: the byte the first or second received byte must be.
    std::uint8_t ExpectedByte = 0;
};

using TestSequence = std::vector<TestStep>;
using TestCodeBytes = std::array<std::uint8_t, 5>;

// The radio keeps a low and a high transmit power for each of ten test slots.
inline constexpr int PowerSlotCount = 10;
enum class PowerLevel { Low = 0, High = 1 };

// Where the test memory keeps a slot's power value: 22 + 38 * slot, the high
// value one byte after the low one.
int PowerAddress(int slot, PowerLevel level);

// The slot whose power pair an "S" step reads; nothing for any other step.
std::optional<int> ReadSlotOf(const TestStep& step);

// Sent alone, outside any sequence, when the dialog closes.
inline constexpr std::uint8_t LeaveTestMode = 'E';

// The access code, the power pairs of all ten slots, the test frequency, "B".
TestSequence OnlineSequence(const TestCodeBytes& code, const FreqBytes& freq);
// The test frequency at address 0, then "B".
TestSequence FrequencySequence(const FreqBytes& freq);
// Selects the level, stores the value at the slot's address, then "B".
TestSequence PowerSequence(int slot, PowerLevel level, std::uint8_t value);
// Keys (05 AA) or unkeys (05 55) the transmitter, then "B".
TestSequence PttSequence(bool on);
