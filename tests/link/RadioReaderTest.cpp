#include "link/RadioReader.h"

#include "ProgramRig.h"

#include <algorithm>
#include <memory>

namespace {

struct ReaderTest : ::testing::Test, ProgramRig {
    std::unique_ptr<RadioReader> reader;

    void Make(LinkEvents events) {
        reader =
            std::make_unique<RadioReader>(db, bench.Link, bench.PcScheduler, std::move(events));
    }
    // Shows the dialog and presses Ok at 100 ms.
    void ShowAndStart() {
        if (!reader)
            Make(Events());
        reader->Open();
        bench.Clock.AdvanceMs(100);
        reader->Start();
    }
    template <class Pred> void AdvanceUntil(Pred done) {
        for (int ms = 0; ms < 1000 && !done(); ++ms)
            bench.Clock.AdvanceMs(1);
        ASSERT_TRUE(done());
    }
    void LoadRadio(const std::vector<std::uint8_t>& memory) {
        std::copy(memory.begin(), memory.end(), bench.Radio.Memory().begin());
    }
    static std::vector<std::uint8_t> ReadWire() {
        auto wire = OpeningBytes();
        for (int address = 0; address < 368; address += 8) {
            const std::uint8_t request[] = {'R', static_cast<std::uint8_t>(address >> 8),
                                            static_cast<std::uint8_t>(address & 0xFF), 8, 0x06};
            wire.insert(wire.end(), std::begin(request), std::end(request));
        }
        wire.push_back('E');
        return wire;
    }
    // The image, the model and Modified as a failed read must leave them.
    void ExpectNothingChanged(const ::ImageBytes& before) {
        EXPECT_EQ(db.All.Image, before);
        EXPECT_FALSE(db.All.Modified);
        EXPECT_EQ(db.All.BandText, "400 - 470MHz");
        EXPECT_FALSE(reader->ReadDone());
    }
};

TEST_F(ReaderTest, FullReadCopiesTheRadioByteForByteAfterReadOk) {
    auto memory = PatternMemory();
    memory[325] = 249; // the radio is set to "440 - 530MHz"
    LoadRadio(memory);
    std::fill_n(db.All.Image.begin(), 16, 0x11);
    std::fill(db.All.Image.begin() + 432, db.All.Image.end(), 0x22);
    const auto before = db.All.Image;

    auto events = Events();
    auto message = events.Message;
    events.Message = [&](LinkMessage m, const std::string& reason) {
        // The user acknowledges ReadOk while the image still holds the old data.
        EXPECT_EQ(db.All.Image, before);
        message(m, reason);
    };
    Make(events);
    ShowAndStart();
    RunAll();

    EXPECT_EQ(bench.Link.Calls().front(), "Close");
    EXPECT_EQ(std::vector<std::string>(bench.Link.Calls().begin(), bench.Link.Calls().begin() + 9),
              (std::vector<std::string>{"Close", "SetPortNumber 3", "SetBaud 2400", "SetParity 0",
                                        "SetDataBits 8", "SetStopBits 2", "FlushInput",
                                        "FlushOutput", "Open"}));
    EXPECT_EQ(bench.Radio.Received(), ReadWire());
    ASSERT_EQ(log.size(), 2u);
    EXPECT_EQ(log[0].substr(0, 7), "ReadOk@");
    EXPECT_EQ(std::stoll(log[1].substr(6)) - std::stoll(log[0].substr(7)), 300);
    EXPECT_EQ(log[1].substr(0, 6), "Close@");

    EXPECT_EQ(ImageBytes(16, 384), memory);
    EXPECT_EQ(ImageBytes(384, 432), std::vector<std::uint8_t>(48, 0));
    EXPECT_EQ(ImageBytes(0, 16), std::vector<std::uint8_t>(16, 0x11));
    EXPECT_EQ(ImageBytes(432, 448), std::vector<std::uint8_t>(16, 0x22));
    EXPECT_EQ(db.All.BandText, "440 - 530MHz");
    EXPECT_EQ(db.All.BandLow, 440.0);
    EXPECT_TRUE(db.All.Modified);
    EXPECT_TRUE(reader->ReadDone());
    // 0 at show and at Ok; the bar reaches its maximum with the 44th block and
    // stays there for the last two and at completion.
    std::vector<int> bar{0, 0};
    for (int block = 1; block <= 46; ++block)
        bar.push_back(std::min(block, 44));
    bar.push_back(44);
    EXPECT_EQ(progress, bar);
}

TEST_F(ReaderTest, OutOfRangeSettingsAreTidiedAfterTheRead) {
    auto memory = PatternMemory();
    memory[288] = 0xFE; // VoiceSwitch
    memory[292] = 9;    // VoxGainLevel
    memory[325] = 0x00; // a band code the table lacks
    LoadRadio(memory);
    ShowAndStart();
    RunAll();
    EXPECT_EQ(db.All.Image[304], 0);
    EXPECT_EQ(db.All.Image[308], 4);
    EXPECT_EQ(db.All.BandText, "440 - 530MHz");
    EXPECT_EQ(db.All.Image[341], 249);
}

TEST_F(ReaderTest, RadioThatNeverAcknowledgesGivesComErrorAfterTheLongPause) {
    bench.Radio.Faults().Silent = true;
    const auto before = db.All.Image;
    ShowAndStart();
    RunAll();
    // Ok at 100, HeadTime armed after the 450 + 50 ms pauses, runs out at 1100,
    // then 2500 ms more before the message.
    EXPECT_EQ(log, (std::vector<std::string>{"ComError@3600", "Close@3900"}));
    ExpectNothingChanged(before);
}

TEST_F(ReaderTest, StrayByteBeforeTheHandshakeAcknowledgeIsAccepted) {
    bench.Radio.Faults().GarbageAt = 1;
    ShowAndStart();
    RunAll();
    EXPECT_TRUE(reader->ReadDone());
}

TEST_F(ReaderTest, TransferFailuresEndWithOneComErrorAndLeaveTheImage) {
    struct Case {
        const char* name;
        RadioFaults faults;
    };
    // Requests: 1 handshake, 2 identification, 3 acknowledge, 4 first "R", ...
    const Case cases[] = {
        {"silent mid-transfer", {.NoReplyAt = 20}},
        {"acknowledge other than 06", {.WrongByteAt = 21}},
        {"no identification", {.NoReplyAt = 2}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ProgramRig fresh;
        fresh.bench.Radio.Faults() = c.faults;
        RadioReader engine(fresh.db, fresh.bench.Link, fresh.bench.PcScheduler, fresh.Events());
        const auto before = fresh.db.All.Image;
        engine.Open();
        engine.Start();
        fresh.RunAll();
        ASSERT_EQ(fresh.log.size(), 2u);
        EXPECT_EQ(fresh.log[0].rfind("ComError@", 0), 0u);
        EXPECT_EQ(fresh.log[1].rfind("Close@", 0), 0u);
        EXPECT_EQ(fresh.db.All.Image, before);
        EXPECT_FALSE(fresh.db.All.Modified);
        EXPECT_FALSE(engine.ReadDone());
        EXPECT_NE(fresh.bench.Radio.Received().back(), 'E');
    }
}

TEST_F(ReaderTest, SilentRadioMidTransferTimesOutAfter450Ms) {
    bench.Radio.Faults().NoReplyAt = 10;
    ShowAndStart();
    RunUntilReceived(9 + 5 * 3 + 4); // up to the seventh "R", which goes unanswered
    const auto sentAt = Now();
    RunAll();
    ASSERT_EQ(log.size(), 2u);
    const auto errorAt = std::stoll(log[0].substr(9));
    EXPECT_GE(errorAt - sentAt, 450);
    EXPECT_LE(errorAt - sentAt, 451);
}

TEST_F(ReaderTest, UnknownModelSendsEAndModErrorThenIgnoresTheRadio) {
    bench.Radio.SetModelCode("ABCD");
    const auto before = db.All.Image;
    ShowAndStart();
    RunAll();
    EXPECT_EQ(bench.Radio.Received(),
              (std::vector<std::uint8_t>{'P', 'R', 'O', 'G', 'R', 'A', 'M', 0x02, 'E'}));
    ASSERT_EQ(log.size(), 1u);
    EXPECT_EQ(log[0].rfind("ModError@", 0), 0u);
    EXPECT_FALSE(okEnabled);
    EXPECT_EQ(reader->State(), ProgramSession::LinkState::Identify);

    // Whatever the radio sends now changes nothing.
    const std::uint8_t noise[] = {0x00, 'W',  'Z',  'R',  'E',  0x06, 0x06, 0x06,
                                  0x06, 0x06, 0x06, 0x06, 0x06, 0x06, 0x06, 0x06};
    bench.Link.Transmit(noise);
    RunAll();
    EXPECT_EQ(bench.Radio.Received().size(), 9u);
    EXPECT_EQ(log.size(), 1u);
    ExpectNothingChanged(before);
}

TEST_F(ReaderTest, BandOfNoModelIsRefusedWhole) {
    auto memory = PatternMemory();
    memory[325] = 242; // "136 - 174MHz": no model lists it
    LoadRadio(memory);
    const auto before = db.All.Image;
    ShowAndStart();
    RunAll();
    ASSERT_EQ(log.size(), 1u);
    EXPECT_EQ(log[0].rfind("ModError: ", 0), 0u);
    EXPECT_NE(log[0].find("136 - 174MHz"), std::string::npos);
    ExpectNothingChanged(before);
}

TEST_F(ReaderTest, FirstLineErrorRestartsSilentlyAndTheSecondGivesComError) {
    LoadRadio(PatternMemory());
    ShowAndStart();
    RunUntilReceived(9 + 5 * 5); // five blocks into the transfer
    bench.Link.RaiseLineError();
    AdvanceUntil([&] { return !reader->RetryAllowed(); });
    const auto firstAt = Now();
    EXPECT_TRUE(reader->ErrorShown());

    // 500 ms later the dialog presses Ok itself: a second "PROGRAM" follows.
    const auto sentBefore = bench.Radio.Received().size();
    RunUntilReceived(sentBefore + 1);
    EXPECT_TRUE(log.empty());
    EXPECT_GE(Now() - firstAt, 500 + 450 + 50);
    EXPECT_EQ(bench.Radio.Received()[sentBefore], 'P');

    RunUntilReceived(sentBefore + 9 + 5 * 2);
    bench.Link.RaiseLineError();
    AdvanceUntil([&] { return reader->State() == ProgramSession::LinkState::Idle; });
    const auto secondAt = Now();
    RunAll();
    ASSERT_EQ(log.size(), 2u);
    const auto errorAt = std::stoll(log[0].substr(9));
    EXPECT_EQ(log[0].rfind("ComError@", 0), 0u);
    EXPECT_GE(errorAt - secondAt, 449);
    EXPECT_LE(errorAt - secondAt, 450);
    EXPECT_FALSE(reader->ReadDone());
    EXPECT_FALSE(db.All.Modified);
}

TEST_F(ReaderTest, CancelMidTransferSendsNothingMore) {
    LoadRadio(PatternMemory());
    const auto before = db.All.Image;
    ShowAndStart();
    RunUntilReceived(9 + 5 * 10);
    reader->Stop();
    const auto sent = bench.Radio.Received().size();
    RunAll();
    EXPECT_EQ(bench.Radio.Received().size(), sent);
    EXPECT_TRUE(log.empty());
    ExpectNothingChanged(before);
}

TEST_F(ReaderTest, CancelDuringTheLongPauseShowsNothing) {
    bench.Radio.Faults().Silent = true;
    ShowAndStart();
    bench.Clock.AdvanceMs(2000); // inside the 2500 ms pause before ComError
    reader.reset();
    RunAll();
    EXPECT_TRUE(log.empty());
}

TEST_F(ReaderTest, PortThatWillNotOpenGivesLPortErrorWithTheReasonAndCloses) {
    bench.Link.SetOpenFailure("in use by another program");
    Make(Events());
    reader->Open();
    RunAll();
    EXPECT_EQ(log,
              (std::vector<std::string>{"LPortError: in use by another program@50", "Close@350"}));
}

} // namespace
