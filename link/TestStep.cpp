#include "link/TestStep.h"

#include <initializer_list>

namespace {

constexpr std::uint8_t Ack = 0x06;
constexpr std::uint8_t ReadCommand = 'S';
constexpr std::uint8_t WriteCommand = 'X';
constexpr std::uint8_t EndCommand = 'B';
constexpr std::uint8_t PttCommand = 0x05;
constexpr int FirstPowerAddress = 22;
constexpr int SlotStride = 38;
constexpr std::uint8_t PowerPairLength = 2;
constexpr std::uint8_t DataReplyLength = 6;
constexpr int FrequencyAddress = 0x0000;
constexpr int LevelAddress = 0x0006;

TestStep Step(std::initializer_list<std::uint8_t> bytes, std::uint8_t replyLength) {
    TestStep step;
    std::uint8_t n = 0;
    for (const std::uint8_t byte : bytes) {
        step.Command[n++] = byte;
    }
    step.SendLength = n;
    step.ReplyLength = replyLength;
    step.ExpectedByte = replyLength == 1 ? Ack : 0;
    return step;
}

std::uint8_t High(int address) {
    return static_cast<std::uint8_t>(address >> 8);
}

std::uint8_t Low(int address) {
    return static_cast<std::uint8_t>(address & 0xFF);
}

TestStep SetFrequency(const FreqBytes& f) {
    return Step({WriteCommand, High(FrequencyAddress), Low(FrequencyAddress), 0x06, f[0], f[1],
                 f[2], f[3], 0xFF, 0xFF},
                1);
}

TestStep End() {
    return Step({EndCommand}, 0);
}

} // namespace

int PowerAddress(int slot, PowerLevel level) {
    return FirstPowerAddress + SlotStride * slot + static_cast<int>(level);
}

std::optional<int> ReadSlotOf(const TestStep& step) {
    if (step.SendLength != 4 || step.Command[0] != ReadCommand) {
        return std::nullopt;
    }
    const int offset = (step.Command[1] << 8 | step.Command[2]) - FirstPowerAddress;
    if (offset < 0 || offset % SlotStride != 0 || offset / SlotStride >= PowerSlotCount) {
        return std::nullopt;
    }
    return offset / SlotStride;
}

TestSequence OnlineSequence(const TestCodeBytes& code, const FreqBytes& freq) {
    TestSequence steps{Step({code[0], code[1], code[2], code[3], code[4]}, 1)};
    for (int slot = 0; slot < PowerSlotCount; ++slot) {
        const int address = PowerAddress(slot, PowerLevel::Low);
        steps.push_back(
            Step({ReadCommand, High(address), Low(address), PowerPairLength}, DataReplyLength));
    }
    steps.push_back(SetFrequency(freq));
    steps.push_back(End());
    return steps;
}

TestSequence FrequencySequence(const FreqBytes& freq) {
    return {SetFrequency(freq), End()};
}

TestSequence PowerSequence(int slot, PowerLevel level, std::uint8_t value) {
    const int address = PowerAddress(slot, level);
    const auto levelByte = static_cast<std::uint8_t>(level);
    return {Step({WriteCommand, High(LevelAddress), Low(LevelAddress), 0x01, levelByte}, 1),
            Step({WriteCommand, High(address), Low(address), 0x01, value}, 1), End()};
}

TestSequence PttSequence(bool on) {
    return {Step({PttCommand, static_cast<std::uint8_t>(on ? 0xAA : 0x55)}, 1), End()};
}
