#pragma once

#include "sim/LoopbackLink.h"
#include "sim/VirtualClock.h"
#include "sim/VirtualRadio.h"
#include "sim/VirtualScheduler.h"

#include <cstdint>

// A PC port wired to a virtual radio in virtual time. An engine under test
// takes Link and PcScheduler; the test drives Clock and inspects Radio.
struct RadioBench {
    VirtualClock Clock;
    VirtualScheduler PcScheduler{Clock};
    VirtualScheduler RadioScheduler{Clock};
    LoopbackLink Link{Clock};
    VirtualRadio Radio{RadioScheduler, Link};

    RadioBench() {
        Link.SetRadioReceiver([this](std::uint8_t byte) { Radio.Receive(byte); });
    }
};
