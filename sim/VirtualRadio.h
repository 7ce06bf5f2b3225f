#pragma once

#include "link/LineFormat.h"
#include "link/Scheduler.h"
#include "sim/RadioLine.h"

#include <array>
#include <cstdint>
#include <deque>
#include <functional>
#include <string>
#include <vector>

// Faults a simulated radio can show. Request numbers count, from 1, every
// message the radio recognises (handshakes included); 0 switches a fault off.
struct RadioFaults {
    bool Silent = false; // never answers
    int NoReplyAt = 0;   // acts on the n-th request but does not answer it
    int WrongByteAt = 0; // answers the n-th request with WrongByte alone
    std::uint8_t WrongByte = 0x15;
    int GarbageAt = 0; // puts GarbageByte before the n-th answer
    std::uint8_t GarbageByte = 0xA5;
    int LineErrorAt = 0;  // a line error instead of the n-th answer
    int HangUpAt = 0;     // goes away at the n-th request, for good
    int ReplyDelayMs = 0; // slow radio: time before each answer
    bool Paced = false;   // answer bytes spaced at the line rate
};

// The radio's side of the programming protocol and of the test mode.
//
// Programming mode is entered by "PROGRAM" (answer 06); then 02 gives the
// 16-byte identification with the model code in bytes 1..4, 06 is answered
// with 06, "R" hi lo n with "W" hi lo n and n bytes of memory, "W" hi lo n and
// n bytes writes them (answer 06), "E" leaves. Test mode is entered by the
// access code (answer 06); then "S" hi lo n reads the test memory, "X" hi lo n
// and n bytes writes it (answer 06), 05 AA / 05 55 key and unkey (answer 06),
// "B" ends a sequence and "E" leaves, both unanswered. Malformed or
// out-of-range requests are not answered.
//
// Every received byte and every recognised request is recorded, so that tests
// can check the exact wire sequence.
class VirtualRadio {
public:
    static constexpr std::size_t MemorySize = 368;
    static constexpr std::size_t TestMemorySize = 384;
    static constexpr std::size_t MaxBlock = 16;
    enum class Mode { Idle, Programming, Test };

    VirtualRadio(Scheduler& scheduler, RadioLine& line);

    // The four characters the identification reports.
    void SetModelCode(const std::string& code);
    // The five bytes that open the test mode; empty: the radio has no test mode.
    void SetTestCode(const std::string& code) { testCode_ = code; }
    // Used to pace the answers.
    void SetFormat(const LineFormat& format) { format_ = format; }
    RadioFaults& Faults() { return faults_; }

    std::array<std::uint8_t, MemorySize>& Memory() { return memory_; }
    std::array<std::uint8_t, TestMemorySize>& TestMemory() { return testMemory_; }

    // Told of every recognised request, after the radio has acted on it.
    void SetOnRequest(std::function<void(const std::vector<std::uint8_t>&)> observer) {
        onRequest_ = std::move(observer);
    }

    // A byte from the PC.
    void Receive(std::uint8_t byte);

    const std::vector<std::uint8_t>& Received() const { return received_; }
    const std::vector<std::vector<std::uint8_t>>& Requests() const { return requests_; }
    Mode CurrentMode() const { return mode_; }
    bool PttOn() const { return ptt_; }
    bool HungUp() const { return hungUp_; }

private:
    using Bytes = std::vector<std::uint8_t>;

    bool TailIs(const std::string& text) const;
    std::size_t CommandLength() const;
    void Enter(Mode mode, const std::string& text);
    void Record(const Bytes& request);
    Bytes Execute(const Bytes& request);
    Bytes ExecuteProgramming(const Bytes& request);
    Bytes ExecuteTest(const Bytes& request);
    void Conclude(const Bytes& request, Bytes reply);
    void Answer(Bytes reply);
    void Queue(const Bytes& reply);
    void Pump();

    struct Outgoing {
        std::uint8_t byte;
        int delayMs;
    };

    RadioLine& line_;
    OneShotTimer sendTimer_;
    LineFormat format_;
    RadioFaults faults_;
    std::string modelCode_ = "    ";
    std::string testCode_;
    std::array<std::uint8_t, MemorySize> memory_{};
    std::array<std::uint8_t, TestMemorySize> testMemory_{};
    Mode mode_ = Mode::Idle;
    bool ptt_ = false;
    bool hungUp_ = false;
    int requestCount_ = 0;
    Bytes window_;
    Bytes partial_;
    Bytes received_;
    std::vector<Bytes> requests_;
    std::deque<Outgoing> outgoing_;
    std::function<void(const Bytes&)> onRequest_;
};
