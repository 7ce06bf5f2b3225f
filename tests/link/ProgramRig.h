#pragma once

#include "app/Maindb.h"
#include "link/LinkEvents.h"
#include "radio/RadioImage.h"

#include "RadioBench.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

// A data module on a fresh image, a virtual radio of the registered model on
// the other end of the line, and a log of what an engine reports, stamped
// with the virtual time in milliseconds.
struct ProgramRig {
    TempDir tmp;
    TfMaindb db{tmp.Dir()};
    RadioBench bench;
    std::vector<std::string> log;
    std::vector<int> progress;
    bool okEnabled = true;
    bool answerForce = false;

    ProgramRig() {
        EXPECT_TRUE(db.CompleteStartup({0xEA, 0x07, 1, 2, 3, 4, 5}));
        db.All.ComPort = "COM3";
        bench.Radio.SetModelCode("WZRE");
    }

    std::int64_t Now() const { return bench.Clock.NowMs(); }
    void Note(const std::string& what) { log.push_back(what + "@" + std::to_string(Now())); }

    LinkEvents Events() {
        LinkEvents events;
        events.Progress = [this](int value) { progress.push_back(value); };
        events.Message = [this](LinkMessage message, const std::string& reason) {
            static const char* const names[] = {"LPortError", "ComError", "ModError", "ReadOk",
                                                "WriteOk"};
            Note(names[static_cast<int>(message)] + (reason.empty() ? "" : ": " + reason));
        };
        events.AskForce = [this] {
            Note("Modforce");
            return answerForce;
        };
        events.CloseRequest = [this] { Note("Close"); };
        events.EnableOk = [this](bool enabled) { okEnabled = enabled; };
        return events;
    }

    void RunAll() { ASSERT_TRUE(bench.Clock.RunUntilIdle()); }
    // Advances until the radio has received `count` bytes (or a minute passed).
    void RunUntilReceived(std::size_t count) {
        for (int ms = 0; ms < 60'000 && bench.Radio.Received().size() < count; ++ms)
            bench.Clock.AdvanceMs(1);
    }

    // A memory of the radio whose settings are in range and whose identity
    // block names the registered model and "400 - 470MHz".
    static std::vector<std::uint8_t> PatternMemory() {
        std::vector<std::uint8_t> memory(368);
        for (std::size_t i = 0; i < memory.size(); ++i)
            memory[i] = static_cast<std::uint8_t>(i * 7 + 3);
        const std::uint8_t settings[20] = {1,    0,    1,    0, 8, 1,    0,    1, 0, 1,
                                           0x5A, 0xA5, 0x21, 2, 4, 0x77, 0x9E, 9, 3, 30};
        std::copy(std::begin(settings), std::end(settings), memory.begin() + 288);
        const std::uint8_t ident[8] = {'P', 'W', 'Z', 'R', 'E', 247, 0, 0};
        std::copy(std::begin(ident), std::end(ident), memory.begin() + 320);
        return memory;
    }

    std::vector<std::uint8_t> ImageBytes(std::size_t from, std::size_t to) const {
        return {db.All.Image.begin() + static_cast<std::ptrdiff_t>(from),
                db.All.Image.begin() + static_cast<std::ptrdiff_t>(to)};
    }

    // "PROGRAM", the identification request and the first acknowledge.
    static std::vector<std::uint8_t> OpeningBytes() {
        return {'P', 'R', 'O', 'G', 'R', 'A', 'M', 0x02, 0x06};
    }
};
