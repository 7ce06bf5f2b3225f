#pragma once

#include "link/Scheduler.h"
#include "link/SerialLink.h"

#include <functional>

// Hands the link's events to an engine through its scheduler, so that none is
// acted on while the engine pauses; they follow in order when the pause ends.
// The data handler then finds the bytes still queued in the link, unless the
// engine flushed them meanwhile (so it must check ByteReady).
void GateLinkEvents(SerialLink& link, Scheduler& scheduler,
                    std::function<void(std::size_t count)> onData,
                    std::function<void()> onLineError);
