#pragma once

#include "link/LinkEvents.h"
#include "link/Scheduler.h"
#include "link/SerialLink.h"

#include <array>
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <memory>
#include <string>

// The part of a programming-mode exchange that reading and writing share: the
// port set-up, the receive buffer, the "PROGRAM" handshake and identification
// request, waiting for the output to drain, the handshake time-out and the
// one-error-per-attempt latch.
//
// Everything happens in continuations on the scheduler, so a pause never
// blocks the thread; Stop() (the dialog closing) drops every pending step, so
// nothing more is sent.
class ProgramSession {
public:
    enum class LinkState { Idle = 0, Handshake = 1, Identify = 2, Transfer = 3 };

    static constexpr int ProgressMax = 44;
    static constexpr std::size_t RxCapacity = 51;
    // Bytes stored per reply; the rest of a longer reply is dropped.
    static constexpr int RxStoreLimit = 49;
    // The radio's memory: 46 blocks of 8 bytes from address 0.
    static constexpr int MemoryEnd = 368;
    static constexpr int BlockLength = 8;
    static constexpr std::uint8_t Ack = 0x06;
    static constexpr std::uint8_t IdentRequest = 0x02;
    static constexpr std::uint8_t Leave = 'E';

    static constexpr int HeadTimeMs = 500;
    static constexpr int TryTimeMs = 450;
    static constexpr int CloseTimeMs = 300;
    static constexpr int HeadErrorPauseMs = 2500;
    static constexpr int StartPauseMs = 450;
    static constexpr int SettlePauseMs = 50;

    virtual ~ProgramSession();
    ProgramSession(const ProgramSession&) = delete;
    ProgramSession& operator=(const ProgramSession&) = delete;

    // The dialog shows: opens the port.
    virtual void Open() = 0;
    // Ok: one attempt.
    virtual void Start() = 0;
    // The dialog closes: the port is closed and nothing pending goes on.
    void Stop();

    LinkState State() const { return state_; }
    bool ErrorShown() const { return errorShown_; }
    int ExpectedCount() const { return expectedCount_; }
    int BlockAddress() const { return blockAddress_; }

protected:
    // How long to wait for the output queue: polls at most `StepMs` apart,
    // `LimitMs` in all.
    struct DrainRule {
        int StepMs;
        int LimitMs;
    };

    ProgramSession(SerialLink& link, Scheduler& scheduler, LinkEvents events, DrainRule drain);

    // The dispatcher steps of the Identify and Transfer states, run when a
    // complete reply is stored.
    virtual void Identify() = 0;
    virtual void Transfer() = 0;
    virtual void LineError() = 0;
    // TryTime ran out, before ComError is shown.
    virtual void OnTryTimeout() {}

    // Ok was pressed: clears the attempt, waits 450 + 50 ms with both buffers
    // flushed in between, then starts the handshake.
    void BeginAttempt();

    // Sets up the port at 2400 baud 8N2 for the number in `comPort` and opens it,
    // after a 50 ms pause; `reopen` closes it first and flushes both buffers.
    // A failure shows LPortError and closes the dialog.
    void OpenPort(const std::string& comPort, bool reopen);

    // Runs `then` after `ms`; dropped when the session stops.
    void Later(int ms, std::function<void()> then);
    // Wraps a step so that it does nothing once the session has stopped.
    std::function<void()> Guarded(std::function<void()> step);
    // Waits until the port has sent what it holds (bounded), then runs `then`.
    void DrainOutput(std::function<void()> then);

    // Sends 06 and arms TryTime once it has gone out.
    void SendAck();
    // Sends "E", the end of a complete transfer, then runs `complete`.
    void SendLeave(std::function<void()> complete);
    // The model code in bytes 1..4 of the identification reply.
    std::string ReplyModelCode() const;

    Result<void> Send(std::initializer_list<std::uint8_t> bytes);
    Result<void> Send(std::span<const std::uint8_t> bytes);
    // Shows a failure unless this attempt has shown one.
    void ShowError(LinkMessage message, const std::string& reason = {});
    void Report(LinkMessage message) { Notify(events_.Message, message, std::string()); }
    void SetProgress(int value);
    void EnableOk(bool enabled) { Notify(events_.EnableOk, enabled); }
    // Starts a new receive: the next reply completes at `count` bytes.
    void Expect(int count);

    template <class F, class... A> static void Notify(const F& f, A&&... args) {
        if (f)
            f(std::forward<A>(args)...);
    }

    SerialLink& link_;
    Scheduler& scheduler_;
    LinkEvents events_;
    LinkState state_ = LinkState::Idle;
    int expectedCount_ = 0;
    std::array<std::uint8_t, RxCapacity> rxBuffer_{};
    int rxLength_ = 0;
    int blockAddress_ = -8;
    int dataIndex_ = 0;
    int progress_ = 0;
    bool errorShown_ = false;
    // The attempt stopped at the model check and waits for the user: replies
    // are stored but not judged again.
    bool halted_ = false;
    OneShotTimer headTime_;
    OneShotTimer tryTime_;
    OneShotTimer closeTime_;

private:
    void Receive(std::size_t count);
    void Dispatch();
    // Arms HeadTime and sends "PROGRAM" byte by byte.
    void StartHandshake();
    void AcceptHandshake();
    void SendHandshakeByte(std::size_t index);
    void PollOutput(int waitedMs, std::function<void()> then);

    DrainRule drain_;
    std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
};
