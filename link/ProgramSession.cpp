#include "link/ProgramSession.h"

#include "link/GatedLinkEvents.h"
#include "link/LineFormat.h"
#include "link/PortDirectory.h"
#include "radio/HexText.h"

#include <algorithm>
#include <utility>

namespace {

constexpr std::array<std::uint8_t, 7> Handshake{'P', 'R', 'O', 'G', 'R', 'A', 'M'};
constexpr int HandshakeGapMs = 2;
constexpr int IdentPauseMs = 5;
// The programming line: 2400 baud, no parity, 8 data bits, 2 stop bits.
constexpr LineFormat ProgramLine{};

} // namespace

ProgramSession::ProgramSession(SerialLink& link, Scheduler& scheduler, LinkEvents events,
                               DrainRule drain)
    : link_(link), scheduler_(scheduler), events_(std::move(events)),
      headTime_(scheduler,
                [this] {
                    state_ = LinkState::Idle;
                    if (errorShown_)
                        return;
                    Later(HeadErrorPauseMs, [this] {
                        errorShown_ = true;
                        Report(LinkMessage::ComError);
                        closeTime_.Arm(CloseTimeMs);
                    });
                }),
      tryTime_(scheduler,
               [this] {
                   state_ = LinkState::Idle;
                   if (errorShown_)
                       return;
                   OnTryTimeout();
                   ShowError(LinkMessage::ComError);
                   closeTime_.Arm(CloseTimeMs);
               }),
      closeTime_(scheduler, [this] { Notify(events_.CloseRequest); }), drain_(drain) {
    GateLinkEvents(
        link_, scheduler_,
        [this, weak = std::weak_ptr<bool>(alive_)](std::size_t count) {
            if (auto alive = weak.lock(); alive && *alive)
                Receive(count);
        },
        [this, weak = std::weak_ptr<bool>(alive_)] {
            if (auto alive = weak.lock(); alive && *alive)
                LineError();
        });
}

ProgramSession::~ProgramSession() {
    link_.SetOnDataAvailable(nullptr);
    link_.SetOnLineError(nullptr);
}

void ProgramSession::Stop() {
    *alive_ = false;
    headTime_.Disarm();
    tryTime_.Disarm();
    closeTime_.Disarm();
    state_ = LinkState::Idle;
    link_.Close();
}

std::function<void()> ProgramSession::Guarded(std::function<void()> step) {
    return [weak = std::weak_ptr<bool>(alive_), step = std::move(step)] {
        if (auto alive = weak.lock(); alive && *alive)
            step();
    };
}

void ProgramSession::Later(int ms, std::function<void()> then) {
    scheduler_.Pause(ms, Guarded(std::move(then)));
}

void ProgramSession::OpenPort(const std::string& comPort, bool reopen) {
    if (reopen)
        link_.Close();
    Later(SettlePauseMs, [this, comPort, reopen] {
        const auto fail = [this](const std::string& reason) {
            ShowError(LinkMessage::LPortError, reason);
            closeTime_.Arm(CloseTimeMs);
        };
        const auto number = PortNumberOf(comPort);
        if (!number) {
            fail(number.error().Reason);
            return;
        }
        link_.SetPortNumber(*number);
        state_ = LinkState::Idle;
        ApplyLineFormat(link_, ProgramLine);
        if (reopen) {
            link_.FlushInput();
            link_.FlushOutput();
        }
        if (auto opened = link_.Open(); !opened)
            fail(opened.error().Reason);
    });
}

void ProgramSession::Receive(std::size_t count) {
    for (std::size_t i = 0; i < count && link_.ByteReady(); ++i) {
        const std::uint8_t byte = link_.GetByte();
        if (rxLength_ < RxStoreLimit)
            rxBuffer_[static_cast<std::size_t>(rxLength_++)] = byte;
    }
    if (!halted_ && expectedCount_ <= rxLength_ && rxLength_ < RxStoreLimit)
        Dispatch();
}

void ProgramSession::Dispatch() {
    switch (state_) {
    case LinkState::Handshake:
        AcceptHandshake();
        break;
    case LinkState::Identify:
        Identify();
        break;
    case LinkState::Transfer:
        Transfer();
        break;
    case LinkState::Idle:
        break;
    }
}

void ProgramSession::BeginAttempt() {
    state_ = LinkState::Idle;
    halted_ = false;
    errorShown_ = false;
    SetProgress(0);
    EnableOk(false);
    Later(StartPauseMs, [this] {
        rxLength_ = 0;
        link_.FlushInput();
        link_.FlushOutput();
        Later(SettlePauseMs, [this] { StartHandshake(); });
    });
}

void ProgramSession::SendAck() {
    Expect(1);
    if (!Send({Ack}))
        return;
    DrainOutput([this] { tryTime_.Arm(TryTimeMs); });
}

void ProgramSession::SendLeave(std::function<void()> complete) {
    Expect(1);
    state_ = LinkState::Idle;
    if (!Send({Leave}))
        return;
    DrainOutput(std::move(complete));
}

void ProgramSession::Expect(int count) {
    expectedCount_ = count;
    rxLength_ = 0;
}

Result<void> ProgramSession::Send(std::initializer_list<std::uint8_t> bytes) {
    return link_.Send(std::span(bytes.begin(), bytes.size()));
}

Result<void> ProgramSession::Send(std::span<const std::uint8_t> bytes) {
    return link_.Send(bytes);
}

void ProgramSession::ShowError(LinkMessage message, const std::string& reason) {
    if (errorShown_)
        return;
    errorShown_ = true;
    Notify(events_.Message, message, reason);
}

void ProgramSession::SetProgress(int value) {
    progress_ = std::clamp(value, 0, ProgressMax);
    Notify(events_.Progress, progress_);
}

void ProgramSession::StartHandshake() {
    headTime_.Arm(HeadTimeMs);
    state_ = LinkState::Handshake;
    Expect(1);
    SendHandshakeByte(0);
}

void ProgramSession::SendHandshakeByte(std::size_t index) {
    if (auto sent = Send({Handshake[index]}); !sent) {
        ShowError(LinkMessage::LPortError, sent.error().Reason);
        return;
    }
    if (index + 1 < Handshake.size())
        Later(HandshakeGapMs, [this, index] { SendHandshakeByte(index + 1); });
}

void ProgramSession::AcceptHandshake() {
    // A stray byte may come before the acknowledge; byte 1 counts only once
    // it has arrived in this reply.
    if (rxBuffer_[0] != Ack && !(rxLength_ > 1 && rxBuffer_[1] == Ack))
        return;
    headTime_.Disarm();
    Expect(16);
    state_ = LinkState::Identify;
    Later(IdentPauseMs, [this] {
        if (!Send({IdentRequest}))
            return;
        DrainOutput([this] { headTime_.Arm(HeadTimeMs); });
    });
}

std::string ProgramSession::ReplyModelCode() const {
    return BytesToText(rxBuffer_, 8).substr(1, 4);
}

void ProgramSession::DrainOutput(std::function<void()> then) {
    PollOutput(0, std::move(then));
}

void ProgramSession::PollOutput(int waitedMs, std::function<void()> then) {
    const std::size_t queued = link_.OutputQueued();
    if (queued == 0 || waitedMs >= drain_.LimitMs) {
        then();
        return;
    }
    // Wait as long as the queued bytes need on the line, but poll at least
    // every step, so a reply is judged as soon as the request has gone out.
    const long long needMs =
        (static_cast<long long>(queued) * ProgramLine.ByteMicros() + 999) / 1000;
    const int pause = static_cast<int>(std::clamp<long long>(needMs, 1, drain_.StepMs));
    Later(pause, [this, waitedMs, pause, then = std::move(then)]() mutable {
        PollOutput(waitedMs + pause, std::move(then));
    });
}
