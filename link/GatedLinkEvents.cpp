#include "link/GatedLinkEvents.h"

#include <utility>

void GateLinkEvents(SerialLink& link, Scheduler& scheduler,
                    std::function<void(std::size_t count)> onData,
                    std::function<void()> onLineError) {
    link.SetOnDataAvailable([&scheduler, onData = std::move(onData)](std::size_t count) {
        scheduler.WhenFree([onData, count] { onData(count); });
    });
    link.SetOnLineError(
        [&scheduler, onLineError = std::move(onLineError)] { scheduler.WhenFree(onLineError); });
}
