#pragma once

#include "link/Scheduler.h"
#include "link/SerialLink.h"
#include "link/TestStep.h"

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

// The step progress bar of the power test.
struct TestProgress {
    int Max = 0;
    int Position = 0;
    bool Shown = false;
};

// How the power test engine reports to its window. Any may be left empty.
struct TestEvents {
    std::function<void(const TestProgress& progress)> Progress;
    // The panel that holds every control: off while a sequence runs.
    std::function<void(bool enabled)> EnablePanel;
    // The controls that send to the radio.
    std::function<void(bool enabled)> EnableTestControls;
    std::function<void()> PortOpened;
    // The port did not open (LPortError); `reason` is what the system said.
    std::function<void(const std::string& reason)> PortOpenFailed;
    // A failed online sequence was given up: the dialog is offline again.
    std::function<void()> PortClosed;
    // The online sequence completed: the power cache holds the radio's values.
    std::function<void()> OnlineDone;
    // The radio acknowledged a key or unkey.
    std::function<void(bool on)> PttChanged;
    // A step got no good reply in time (ComError): true to retry the sequence.
    std::function<bool()> AskRetry;
    // The leave command has had its time: the dialog closes.
    std::function<void()> CloseRequest;
};

// The radio's test mode on line: runs short sequences of steps, each sent when
// the previous one is acknowledged, and keeps the power values of the ten test
// slots as last read from or sent to the radio.
//
// A change is sent at once when the port is open and the engine is not busy;
// otherwise only the cache and the test frequency take it. Pauses are
// continuations on the scheduler, so the window stays responsive.
class TestSequencer {
public:
    using PowerPair = std::array<std::uint8_t, 2>;

    static constexpr int TryTimeMs = 1000;
    static constexpr int KTimeMs = 1000;
    static constexpr int CTimeMs = 500;
    static constexpr int ETimeMs = 500;
    static constexpr int StepPauseMs = 20;
    static constexpr int ClosePauseMs = 50;
    static constexpr int OpenPauseMs = 200;
    static constexpr int RxCapacity = 81;

    TestSequencer(SerialLink& link, Scheduler& scheduler, TestEvents events);
    ~TestSequencer();
    TestSequencer(const TestSequencer&) = delete;
    TestSequencer& operator=(const TestSequencer&) = delete;

    // Online: reopens the port of `comPort` at 2400 baud 8N2 and runs the
    // online sequence with `code` and the current test frequency.
    void GoOnline(const std::string& comPort, const TestCodeBytes& code);
    // A new test frequency: sent by the frequency sequence.
    void SetFrequency(const FreqBytes& freq);
    // A new power value of the current slot: cached, sent by its sequence.
    void SetPower(PowerLevel level, std::uint8_t value);
    // Keys the transmitter when it is off, else unkeys it.
    void TogglePtt();
    // Close button: sends the leave command when on line; the close request
    // follows after ETimeMs.
    void Leave();
    // The window closes: the port is closed and nothing pending goes on.
    void Stop();

    void SetSlot(int slot);
    int Slot() const { return slot_; }
    void SetBusy(bool busy) { busy_ = busy; }
    bool Busy() const { return busy_; }
    PowerPair CachedPower(int slot) const;
    bool PttOn() const { return ptt_; }
    bool Online() const { return link_.IsOpen(); }
    int StepCount() const { return static_cast<int>(steps_.size()); }

private:
    enum class Kind { None, Online, Frequency, Power, Ptt };

    void Start(TestSequence steps, Kind kind);
    void Run();
    void SendStep();
    void Receive();
    bool ReplyGood();
    void Advance();
    void Finish();
    void TryTimeout();
    void GiveUp();
    void Later(int ms, std::function<void()> then);
    void ShowProgress();
    template <class F, class... A> static void Notify(const F& f, A&&... args) {
        if (f)
            f(std::forward<A>(args)...);
    }

    SerialLink& link_;
    Scheduler& scheduler_;
    TestEvents events_;
    TestSequence steps_;
    Kind kind_ = Kind::None;
    int stepIndex_ = 0;
    // Set while a sent step waits for its reply; no other byte is judged.
    bool awaiting_ = false;
    std::array<std::uint8_t, RxCapacity> rxBuffer_{};
    int rxLength_ = 0;
    FreqBytes frequency_{};
    std::array<PowerPair, PowerSlotCount> powerCache_{};
    int slot_ = 0;
    bool busy_ = false;
    bool ptt_ = false;
    TestProgress progress_;
    OneShotTimer tryTime_;
    OneShotTimer kTimer_;
    OneShotTimer cTimer_;
    OneShotTimer eTimer_;
    // Pending continuations run only while their token lives: Stop renews it.
    std::shared_ptr<bool> pending_ = std::make_shared<bool>(true);
    // Port events held by the scheduler are dropped once the engine is gone.
    std::shared_ptr<bool> life_ = std::make_shared<bool>(true);
};
