#include "link/RadioWriter.h"

#include "radio/MacList.h"
#include "radio/Scrambler.h"

#include "ProgramRig.h"

#include <memory>

namespace {

struct WriterTest : ::testing::Test, ProgramRig {
    std::unique_ptr<RadioWriter> writer;
    std::vector<std::int64_t> stampedAt;

    WriterTest() {
        // Image 16..383 of a pattern the radio does not hold yet.
        for (std::size_t i = 16; i < 384; ++i)
            db.All.Image[i] = static_cast<std::uint8_t>(i * 13 + 5);
        std::fill_n(bench.Radio.Memory().begin(), 368, 0xEE);
        writer = std::make_unique<RadioWriter>(db, bench.Link, bench.PcScheduler, Events(),
                                               [this] { return Stamp(); });
    }
    // A clock whose seconds are the virtual time in tenths, so every call
    // tells when it was made.
    DateTimeBytes Stamp() {
        stampedAt.push_back(Now());
        const auto tenths = static_cast<std::uint8_t>(Now() / 100 % 60);
        return {0xEA, 0x07, 12, 9, 8, 38, tenths};
    }
    void ShowAndStart() {
        writer->Open();
        bench.Clock.AdvanceMs(100);
        writer->Start();
    }
    static std::vector<std::uint8_t> WriteWire(const TALL& all) {
        auto wire = OpeningBytes();
        for (int address = 0; address < 368; address += 8) {
            const auto request = WriteBlockRequest(all, address);
            wire.insert(wire.end(), request.begin(), request.end());
        }
        wire.push_back('E');
        return wire;
    }
    std::vector<std::uint8_t> RadioBytes(std::size_t from, std::size_t to) {
        return {bench.Radio.Memory().begin() + static_cast<std::ptrdiff_t>(from),
                bench.Radio.Memory().begin() + static_cast<std::ptrdiff_t>(to)};
    }
};

TEST(WriterRules, ModelCheck) {
    TMacList models;
    TMacType own("WZRE", "KX-40(UHF)", 16);
    models.Add(own);
    models.Add(TMacType("TW16", "Twin", 16));
    models.Add(TMacType("SM08", "Small", 8));
    const TMacType* current = models.Items(0);
    EXPECT_EQ(CheckModel(models, current, "WZRE"), ModelVerdict::Proceed);
    EXPECT_EQ(CheckModel(models, current, "TW16"), ModelVerdict::Ask);
    EXPECT_EQ(CheckModel(models, current, "SM08"), ModelVerdict::Refuse);
    EXPECT_EQ(CheckModel(models, current, "wzre"), ModelVerdict::Ask);
    EXPECT_EQ(CheckModel(models, current, std::string("\0\0\0\0", 4)), ModelVerdict::Ask);
}

TEST_F(WriterTest, PasswordBlockCarriesTheScrambledNewPasswordOnlyWhenEnabled) {
    const std::string newPassword = "SECRET12";
    std::copy(newPassword.begin(), newPassword.end(), db.All.Image.begin() + 8);
    const auto block = [&] {
        const auto request = WriteBlockRequest(db.All, 0x148);
        return std::vector<std::uint8_t>(request.begin(), request.end());
    };
    std::vector<std::uint8_t> plain{'W', 0x01, 0x48, 8};
    plain.insert(plain.end(), db.All.Image.begin() + 344, db.All.Image.begin() + 352);
    EXPECT_EQ(block(), plain);

    db.All.NewPasswordEnabled = true;
    const auto scrambled =
        ScrambleBlock(std::span<const std::uint8_t, 8>(db.All.Image.data() + 8, 8));
    std::vector<std::uint8_t> replaced{'W', 0x01, 0x48, 8};
    replaced.insert(replaced.end(), scrambled.begin(), scrambled.end());
    EXPECT_EQ(block(), replaced);
    // Its neighbours are untouched.
    EXPECT_EQ(WriteBlockRequest(db.All, 0x140)[4], db.All.Image[336]);
    EXPECT_EQ(WriteBlockRequest(db.All, 0x150)[4], db.All.Image[352]);
}

TEST_F(WriterTest, FullWritePutsTheImageIntoTheRadioWithTheStamps) {
    for (const bool newPassword : {false, true}) {
        SCOPED_TRACE(newPassword ? "new password" : "radio password kept");
        ProgramRig rig;
        for (std::size_t i = 0; i < 448; ++i)
            rig.db.All.Image[i] = static_cast<std::uint8_t>(i * 13 + 5);
        rig.db.All.NewPasswordEnabled = newPassword;
        rig.db.All.Modified = false;
        std::vector<std::int64_t> calls;
        RadioWriter engine(rig.db, rig.bench.Link, rig.bench.PcScheduler, rig.Events(), [&] {
            calls.push_back(rig.Now());
            return DateTimeBytes{0xEA, 0x07, 12, 9, 8, 38, 10};
        });
        const auto radioPassword = rig.ImageBytes(344, 352);
        engine.Open();
        engine.Start();
        rig.RunAll();

        ASSERT_EQ(rig.log.size(), 1u);
        EXPECT_EQ(rig.log[0].rfind("WriteOk@", 0), 0u);
        EXPECT_TRUE(rig.okEnabled);
        EXPECT_FALSE(rig.db.All.Modified);
        EXPECT_EQ(rig.bench.Radio.Received(), WriteWire(rig.db.All));

        // The ident block is stamped, the write time is the model check's.
        auto expected = rig.ImageBytes(16, 384);
        const std::uint8_t ident[8] = {'P', 'W', 'Z', 'R', 'E', 247, 0, 0};
        EXPECT_TRUE(std::equal(std::begin(ident), std::end(ident), expected.begin() + 320));
        const std::uint8_t time[7] = {0xEA, 0x07, 12, 9, 8, 38, 10};
        EXPECT_TRUE(std::equal(std::begin(time), std::end(time), expected.begin() + 352));
        ASSERT_EQ(calls.size(), 1u);
        EXPECT_GT(calls[0], 500);
        if (newPassword) {
            const auto scrambled =
                ScrambleBlock(std::span<const std::uint8_t, 8>(rig.db.All.Image.data() + 8, 8));
            std::copy(scrambled.begin(), scrambled.end(), expected.begin() + 328);
        }
        EXPECT_EQ(std::vector<std::uint8_t>(rig.bench.Radio.Memory().begin(),
                                            rig.bench.Radio.Memory().end()),
                  expected);
        EXPECT_EQ(rig.ImageBytes(344, 352), radioPassword);
    }
}

TEST_F(WriterTest, SecondWriteAfterWriteOkCarriesAFreshStamp) {
    ShowAndStart();
    RunAll();
    ASSERT_TRUE(okEnabled);
    const auto first = RadioBytes(352, 359);
    bench.Clock.AdvanceMs(1000);
    writer->Start();
    RunAll();
    EXPECT_EQ(log.size(), 2u);
    ASSERT_EQ(stampedAt.size(), 2u);
    EXPECT_NE(RadioBytes(352, 359), first);
    EXPECT_EQ(RadioBytes(352, 359), ImageBytes(368, 375));
}

TEST_F(WriterTest, ForeignModelAsksAndNoStopsBeforeAnyBlock) {
    bench.Radio.SetModelCode("ABCD");
    answerForce = false;
    ShowAndStart();
    RunAll();
    EXPECT_EQ(bench.Radio.Received(),
              (std::vector<std::uint8_t>{'P', 'R', 'O', 'G', 'R', 'A', 'M', 0x02}));
    ASSERT_EQ(log.size(), 1u);
    EXPECT_EQ(log[0].rfind("Modforce@", 0), 0u);
    EXPECT_FALSE(okEnabled);
    EXPECT_TRUE(stampedAt.empty());

    // More bytes from the radio do not ask again.
    const std::uint8_t again[] = {0x00, 'A',  'B',  'C',  'D',  0xFF, 0xFF, 0xFF,
                                  0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF};
    bench.Link.Transmit(again);
    RunAll();
    EXPECT_EQ(log.size(), 1u);
    EXPECT_EQ(bench.Radio.Received().size(), 8u);
}

TEST_F(WriterTest, ForeignModelAnsweredYesWritesEveryBlock) {
    bench.Radio.SetModelCode("ABCD");
    answerForce = true;
    ShowAndStart();
    RunAll();
    EXPECT_EQ(log[0].rfind("Modforce@", 0), 0u);
    EXPECT_EQ(log[1].rfind("WriteOk@", 0), 0u);
    EXPECT_EQ(writer->BlocksSent(), 46);
    EXPECT_EQ(bench.Radio.Received(), WriteWire(db.All));
}

TEST_F(WriterTest, OtherModelWithOtherChannelCountIsRefused) {
    db.Models.Add(TMacType("SM08", "Small", 8));
    bench.Radio.SetModelCode("SM08");
    ShowAndStart();
    RunAll();
    ASSERT_EQ(log.size(), 1u);
    EXPECT_EQ(log[0].rfind("ModError@", 0), 0u);
    EXPECT_EQ(bench.Radio.Received().size(), 8u);
    EXPECT_FALSE(okEnabled);
}

TEST_F(WriterTest, LineErrorGivesOneComErrorAndTheDialogStays) {
    ShowAndStart();
    RunUntilReceived(9 + 12 * 5);
    bench.Link.RaiseLineError();
    RunAll();
    ASSERT_EQ(log.size(), 1u);
    EXPECT_EQ(log[0].rfind("ComError@", 0), 0u);
    EXPECT_FALSE(okEnabled);
}

TEST_F(WriterTest, SilentRadioMidTransferGivesComErrorReenablesOkAndCloses) {
    bench.Radio.Faults().NoReplyAt = 12;
    ShowAndStart();
    RunAll();
    ASSERT_EQ(log.size(), 2u);
    EXPECT_EQ(log[0].rfind("ComError@", 0), 0u);
    EXPECT_EQ(log[1].rfind("Close@", 0), 0u);
    EXPECT_TRUE(okEnabled);
    EXPECT_NE(bench.Radio.Received().back(), 'E');
}

TEST_F(WriterTest, CancelMidTransferStopsAtOnceWithoutE) {
    ShowAndStart();
    RunUntilReceived(9 + 12 * 10);
    writer->Stop();
    const auto sent = bench.Radio.Received().size();
    RunAll();
    EXPECT_EQ(bench.Radio.Received().size(), sent);
    EXPECT_NE(bench.Radio.Received().back(), 'E');
    EXPECT_TRUE(log.empty());
}

} // namespace
