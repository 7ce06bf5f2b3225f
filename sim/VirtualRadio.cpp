#include "sim/VirtualRadio.h"

#include <algorithm>

namespace {

constexpr std::uint8_t Ack = 0x06;
constexpr std::uint8_t Identify = 0x02;
constexpr std::uint8_t Leave = 'E';
constexpr std::uint8_t Read = 'R';
constexpr std::uint8_t Write = 'W';
constexpr std::uint8_t TestRead = 'S';
constexpr std::uint8_t TestWrite = 'X';
constexpr std::uint8_t TestEnd = 'B';
constexpr std::uint8_t Ptt = 0x05;
constexpr std::uint8_t PttOnByte = 0xAA;
constexpr std::uint8_t PttOffByte = 0x55;
const std::string Handshake = "PROGRAM";
constexpr std::size_t IdentLength = 16;
constexpr std::size_t HeaderLength = 4;

// Address and length of a "letter hi lo n" request, when they fit in `size`.
bool BlockFits(const std::vector<std::uint8_t>& request, std::size_t size) {
    const std::size_t address = (request[1] << 8) | request[2];
    const std::size_t length = request[3];
    return length >= 1 && length <= VirtualRadio::MaxBlock && address + length <= size;
}

std::size_t AddressOf(const std::vector<std::uint8_t>& request) {
    return (request[1] << 8) | request[2];
}

} // namespace

VirtualRadio::VirtualRadio(Scheduler& scheduler, RadioLine& line)
    : line_(line), sendTimer_(scheduler, [this] {
          if (!outgoing_.empty())
              outgoing_.front().delayMs = 0;
          Pump();
      }) {}

void VirtualRadio::SetModelCode(const std::string& code) {
    modelCode_ = code;
    modelCode_.resize(4, ' ');
}

bool VirtualRadio::TailIs(const std::string& text) const {
    return !text.empty() && window_.size() >= text.size() &&
           std::equal(text.begin(), text.end(), window_.end() - text.size(),
                      [](char c, std::uint8_t b) { return static_cast<std::uint8_t>(c) == b; });
}

void VirtualRadio::Receive(std::uint8_t byte) {
    received_.push_back(byte);
    if (hungUp_)
        return;
    window_.push_back(byte);
    if (window_.size() > 8)
        window_.erase(window_.begin());
    // Bytes inside a request belong to it, even when they spell a handshake.
    if (partial_.empty()) {
        if (TailIs(Handshake)) {
            Enter(Mode::Programming, Handshake);
            return;
        }
        if (TailIs(testCode_)) {
            Enter(Mode::Test, testCode_);
            return;
        }
        if (mode_ == Mode::Idle)
            return;
    }
    partial_.push_back(byte);
    const std::size_t length = CommandLength();
    if (length == 0) {
        partial_.clear();
        return;
    }
    if (partial_.size() < length)
        return;
    Bytes request;
    request.swap(partial_);
    Conclude(request, Execute(request));
}

void VirtualRadio::Conclude(const Bytes& request, Bytes reply) {
    Answer(std::move(reply));
    if (onRequest_)
        onRequest_(request);
}

std::size_t VirtualRadio::CommandLength() const {
    const std::uint8_t command = partial_.front();
    const bool programming = mode_ == Mode::Programming;
    const bool writes = programming ? command == Write : command == TestWrite;
    if (writes) {
        if (partial_.size() < HeaderLength)
            return HeaderLength;
        const std::size_t length = partial_[3];
        // A bad length ends the request at its header; it is then refused.
        return length >= 1 && length <= MaxBlock ? HeaderLength + length : HeaderLength;
    }
    if (programming) {
        if (command == Identify || command == Ack || command == Leave)
            return 1;
        return command == Read ? HeaderLength : 0;
    }
    if (command == TestEnd || command == Leave)
        return 1;
    if (command == Ptt)
        return 2;
    return command == TestRead ? HeaderLength : 0;
}

void VirtualRadio::Enter(Mode mode, const std::string& text) {
    mode_ = mode;
    window_.clear();
    const Bytes request(text.begin(), text.end());
    Record(request);
    Conclude(request, {Ack});
}

void VirtualRadio::Record(const Bytes& request) {
    ++requestCount_;
    requests_.push_back(request);
}

VirtualRadio::Bytes VirtualRadio::Execute(const Bytes& request) {
    Record(request);
    return mode_ == Mode::Programming ? ExecuteProgramming(request) : ExecuteTest(request);
}

VirtualRadio::Bytes VirtualRadio::ExecuteProgramming(const Bytes& request) {
    switch (request.front()) {
    case Identify: {
        Bytes reply(IdentLength, 0xFF);
        reply[0] = 0x00;
        std::copy(modelCode_.begin(), modelCode_.end(), reply.begin() + 1);
        return reply;
    }
    case Ack:
        return {Ack};
    case Leave:
        mode_ = Mode::Idle;
        return {};
    case Read: {
        if (!BlockFits(request, MemorySize))
            return {};
        Bytes reply{Write, request[1], request[2], request[3]};
        const auto from = memory_.begin() + AddressOf(request);
        reply.insert(reply.end(), from, from + request[3]);
        return reply;
    }
    default: // Write
        if (request.size() == HeaderLength || !BlockFits(request, MemorySize))
            return {};
        std::copy(request.begin() + HeaderLength, request.end(),
                  memory_.begin() + AddressOf(request));
        return {Ack};
    }
}

VirtualRadio::Bytes VirtualRadio::ExecuteTest(const Bytes& request) {
    switch (request.front()) {
    case TestRead: {
        if (!BlockFits(request, TestMemorySize))
            return {};
        Bytes reply(request.begin(), request.end());
        const auto from = testMemory_.begin() + AddressOf(request);
        reply.insert(reply.end(), from, from + request[3]);
        return reply;
    }
    case TestWrite:
        if (request.size() == HeaderLength || !BlockFits(request, TestMemorySize))
            return {};
        std::copy(request.begin() + HeaderLength, request.end(),
                  testMemory_.begin() + AddressOf(request));
        return {Ack};
    case Ptt:
        if (request[1] != PttOnByte && request[1] != PttOffByte)
            return {};
        ptt_ = request[1] == PttOnByte;
        return {Ack};
    case Leave:
        mode_ = Mode::Idle;
        return {};
    default: // TestEnd
        return {};
    }
}

void VirtualRadio::Answer(Bytes reply) {
    const int n = requestCount_;
    if (n == faults_.HangUpAt) {
        hungUp_ = true;
        outgoing_.clear();
        line_.HangUp();
        return;
    }
    if (n == faults_.LineErrorAt) {
        line_.RaiseLineError();
        return;
    }
    if (reply.empty() || faults_.Silent || n == faults_.NoReplyAt)
        return;
    if (n == faults_.WrongByteAt)
        reply = {faults_.WrongByte};
    if (n == faults_.GarbageAt)
        reply.insert(reply.begin(), faults_.GarbageByte);
    Queue(reply);
}

void VirtualRadio::Queue(const Bytes& reply) {
    // Byte k of a paced answer leaves k byte-times after the first, in whole
    // milliseconds that add up to the exact line rate.
    const long long bitMs = format_.BitsPerByte() * 1000LL;
    const long long baud = std::max(format_.Baud, 1);
    for (long long k = 0; k < static_cast<long long>(reply.size()); ++k) {
        int delay = k == 0 ? faults_.ReplyDelayMs : 0;
        if (faults_.Paced && k > 0)
            delay += static_cast<int>(k * bitMs / baud - (k - 1) * bitMs / baud);
        outgoing_.push_back({reply[static_cast<std::size_t>(k)], delay});
    }
    if (!sendTimer_.IsArmed())
        Pump();
}

void VirtualRadio::Pump() {
    Bytes batch;
    while (!outgoing_.empty() && outgoing_.front().delayMs == 0) {
        batch.push_back(outgoing_.front().byte);
        outgoing_.pop_front();
    }
    if (!batch.empty())
        line_.Transmit(batch);
    if (!outgoing_.empty())
        sendTimer_.Arm(outgoing_.front().delayMs);
}
