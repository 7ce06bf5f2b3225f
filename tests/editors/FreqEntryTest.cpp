#include "editors/FreqEntry.h"

#include "app/TALL.h"

#include <gtest/gtest.h>

namespace {

TALL Band400To470() {
    TALL all;
    all.MinFreq = 300.0;
    all.MaxFreq = 650.0;
    all.BandLow = 400.0;
    all.BandHigh = 470.0;
    return all;
}

} // namespace

TEST(FreqEntry, EntryCheckRaisesAtMostOneWarningAndSnaps) {
    const TALL all = Band400To470();
    const struct {
        const char* typed;
        const char* stored;
        FreqMsg msg;
    } cases[] = {
        {"446", "446.00000", FreqMsg::None},
        {" 446.00625 ", "446.00625", FreqMsg::None},
        {"446.005", "446.00500", FreqMsg::None},
        {"446.003", "446.00000", FreqMsg::None},
        {"446.0093", "446.00625", FreqMsg::None},
        {"480", "480.00000", FreqMsg::OutRange},
        {"350", "350.00000", FreqMsg::OutRange},
        {"700", "470.00000", FreqMsg::ErrRange},
        {"200", "400.00000", FreqMsg::ErrRange},
        {".", "470.00000", FreqMsg::OutRange},
        // Pasted text that is no plain decimal number is treated as unreadable.
        {"-446", "470.00000", FreqMsg::OutRange},
        {"4e2", "470.00000", FreqMsg::OutRange},
        {"inf", "470.00000", FreqMsg::OutRange},
        {"1.2.3", "470.00000", FreqMsg::OutRange},
    };
    for (const auto& c : cases) {
        const FreqCheck check = CheckFreqEntry(c.typed, all);
        EXPECT_EQ(FormatFreq(check.Freq), c.stored) << c.typed;
        EXPECT_EQ(check.Msg, c.msg) << c.typed;
    }
}

TEST(FreqEntry, ParseAcceptsOnlyDigitsAndOnePoint) {
    EXPECT_EQ(ParseFreqText("446."), 446.0);
    EXPECT_EQ(ParseFreqText(".5"), 0.5);
    EXPECT_FALSE(ParseFreqText(""));
    EXPECT_FALSE(ParseFreqText("+1"));
    EXPECT_FALSE(ParseFreqText("nan"));
}
