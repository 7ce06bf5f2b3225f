#include "link/TestSequencer.h"

#include "link/GatedLinkEvents.h"
#include "link/LineFormat.h"
#include "link/PortDirectory.h"

#include <utility>

TestSequencer::TestSequencer(SerialLink& link, Scheduler& scheduler, TestEvents events)
    : link_(link), scheduler_(scheduler), events_(std::move(events)),
      tryTime_(scheduler, [this] { TryTimeout(); }), kTimer_(scheduler, [this] { GiveUp(); }),
      cTimer_(scheduler,
              [this] {
                  progress_.Shown = false;
                  ShowProgress();
                  Notify(events_.EnableTestControls, true);
              }),
      eTimer_(scheduler, [this] { Notify(events_.CloseRequest); }) {
    GateLinkEvents(
        link_, scheduler_,
        [this, life = std::weak_ptr<bool>(life_)](std::size_t) {
            if (!life.expired())
                Receive();
        },
        // A line fault spoils the reply at worst; TryTime catches that.
        [] {});
}

TestSequencer::~TestSequencer() {
    Stop();
    link_.SetOnDataAvailable(nullptr);
    link_.SetOnLineError(nullptr);
}

void TestSequencer::Later(int ms, std::function<void()> then) {
    scheduler_.Pause(ms, [pending = std::weak_ptr<bool>(pending_), then = std::move(then)] {
        if (!pending.expired())
            then();
    });
}

void TestSequencer::ShowProgress() {
    Notify(events_.Progress, progress_);
}

void TestSequencer::SetSlot(int slot) {
    if (slot >= 0 && slot < PowerSlotCount)
        slot_ = slot;
}

TestSequencer::PowerPair TestSequencer::CachedPower(int slot) const {
    return slot >= 0 && slot < PowerSlotCount ? powerCache_[static_cast<std::size_t>(slot)]
                                              : PowerPair{};
}

void TestSequencer::GoOnline(const std::string& comPort, const TestCodeBytes& code) {
    steps_.clear();
    kind_ = Kind::None;
    stepIndex_ = 0;
    rxLength_ = 0;
    awaiting_ = false;
    // Changes made while the port opens wait for the values the radio reports.
    busy_ = true;
    link_.Close();
    Later(ClosePauseMs, [this, comPort, code] {
        const auto number = PortNumberOf(comPort);
        if (!number) {
            Notify(events_.PortOpenFailed, number.error().Reason);
            return;
        }
        link_.SetPortNumber(*number);
        // The radio's line: 2400 baud, 8 data bits, no parity, 2 stop bits.
        ApplyLineFormat(link_, LineFormat{});
        if (const auto opened = link_.Open(); !opened) {
            Notify(events_.PortOpenFailed, opened.error().Reason);
            return;
        }
        Notify(events_.PortOpened);
        Later(OpenPauseMs, [this, code] {
            Notify(events_.EnableTestControls, false);
            Start(OnlineSequence(code, frequency_), Kind::Online);
        });
    });
}

void TestSequencer::SetFrequency(const FreqBytes& freq) {
    frequency_ = freq;
    if (!busy_)
        Start(FrequencySequence(freq), Kind::Frequency);
}

void TestSequencer::SetPower(PowerLevel level, std::uint8_t value) {
    powerCache_[static_cast<std::size_t>(slot_)][static_cast<std::size_t>(level)] = value;
    if (!busy_)
        Start(PowerSequence(slot_, level, value), Kind::Power);
}

void TestSequencer::TogglePtt() {
    Start(PttSequence(!ptt_), Kind::Ptt);
}

void TestSequencer::Leave() {
    Notify(events_.EnablePanel, false);
    if (link_.IsOpen())
        (void)link_.SendBytes({LeaveTestMode});
    eTimer_.Arm(ETimeMs);
}

void TestSequencer::Stop() {
    tryTime_.Disarm();
    kTimer_.Disarm();
    cTimer_.Disarm();
    eTimer_.Disarm();
    awaiting_ = false;
    pending_ = std::make_shared<bool>(true);
    link_.Close();
}

// A sequence only replaces the current one when it is sent, so that a retry
// always repeats the sequence that failed.
void TestSequencer::Start(TestSequence steps, Kind kind) {
    if (!link_.IsOpen() || steps.empty())
        return;
    steps_ = std::move(steps);
    kind_ = kind;
    Run();
}

// A run supersedes the one before: what that one still had pending is
// dropped, so two sequences never interleave on the line.
void TestSequencer::Run() {
    if (!link_.IsOpen())
        return;
    pending_ = std::make_shared<bool>(true);
    tryTime_.Disarm();
    awaiting_ = false;
    Notify(events_.EnablePanel, false);
    progress_ = {StepCount(), 0, progress_.Shown};
    const auto begin = [this] {
        stepIndex_ = 0;
        rxLength_ = 0;
        SendStep();
        tryTime_.Arm(TryTimeMs);
    };
    if (steps_.front().ReplyLength > 0) {
        progress_.Shown = true;
        ShowProgress();
        Later(StepPauseMs, begin);
    } else {
        ShowProgress();
        begin();
    }
}

void TestSequencer::SendStep() {
    const TestStep& step = steps_[static_cast<std::size_t>(stepIndex_)];
    // A failed send shows as a missing reply.
    (void)link_.Send(std::span(step.Command.data(), step.SendLength));
    awaiting_ = step.ReplyLength > 0;
}

void TestSequencer::Receive() {
    while (link_.ByteReady()) {
        const std::uint8_t byte = link_.GetByte();
        if (rxLength_ < RxCapacity)
            rxBuffer_[static_cast<std::size_t>(rxLength_++)] = byte;
    }
    if (!awaiting_ || stepIndex_ >= StepCount())
        return;
    if (rxLength_ >= steps_[static_cast<std::size_t>(stepIndex_)].ReplyLength && ReplyGood())
        Advance();
}

bool TestSequencer::ReplyGood() {
    const TestStep& step = steps_[static_cast<std::size_t>(stepIndex_)];
    switch (step.ReplyLength) {
    case 0:
        return true;
    case 1:
        return rxBuffer_[0] == step.ExpectedByte ||
               (rxLength_ >= 2 && rxBuffer_[1] == step.ExpectedByte);
    case 6:
        if (const auto slot = ReadSlotOf(step)) {
            powerCache_[static_cast<std::size_t>(*slot)] = {rxBuffer_[4], rxBuffer_[5]};
            return true;
        }
        return false;
    default:
        return false;
    }
}

void TestSequencer::Advance() {
    tryTime_.Disarm();
    awaiting_ = false;
    if (kind_ == Kind::Ptt && stepIndex_ == 0) {
        ptt_ = !ptt_;
        Notify(events_.PttChanged, ptt_);
    }
    if (progress_.Shown) {
        ++progress_.Position;
        ShowProgress();
    }
    ++stepIndex_;
    if (stepIndex_ >= StepCount() || steps_[static_cast<std::size_t>(stepIndex_)].SendLength == 0)
        return;
    Later(StepPauseMs, [this] {
        rxLength_ = 0;
        SendStep();
        if (awaiting_)
            tryTime_.Arm(TryTimeMs);
        else
            Finish();
    });
}

void TestSequencer::Finish() {
    Notify(events_.EnablePanel, true);
    progress_.Position = progress_.Max;
    ShowProgress();
    cTimer_.Arm(CTimeMs);
    if (kind_ == Kind::Online) {
        Notify(events_.OnlineDone);
        busy_ = false;
        Notify(events_.EnableTestControls, true);
    }
}

void TestSequencer::TryTimeout() {
    awaiting_ = false;
    if (events_.AskRetry && events_.AskRetry()) {
        Run();
        return;
    }
    kTimer_.Arm(KTimeMs);
    progress_.Position = 0;
    progress_.Shown = false;
    ShowProgress();
}

void TestSequencer::GiveUp() {
    if (kind_ == Kind::Online) {
        link_.Close();
        Notify(events_.PortClosed);
    }
    progress_.Shown = false;
    ShowProgress();
    Notify(events_.EnablePanel, true);
}
