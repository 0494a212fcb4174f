#include "platform/fake/FakeKeyboardWatch.h"

#include <utility>

namespace kv {

bool FakeKeyboardWatch::Start(KeyboardWatchEvents events) {
    if (refuse) return false;
    events_ = std::move(events);
    active = true;
    ++starts;
    return true;
}

void FakeKeyboardWatch::Stop() {
    active = false;
    burst = false;
    releasedInBurst_.clear();
}

void FakeKeyboardWatch::SetOwnKeysBurst(bool on) {
    if (on == burst || !active) return;
    if (on && !escapeTaken) return;
    burst = on;
    if (on) {
        ++bursts;
        return;
    }
    const std::vector<std::uint8_t> released = std::move(releasedInBurst_);
    releasedInBurst_.clear();
    for (std::uint8_t key : released) {
        if (active && events_.onKeyUp) events_.onKeyUp(key);
    }
}

bool FakeKeyboardWatch::PressEscape() {
    if (!active) return false;
    // Decided before the program hears of the press, as the real watch does.
    const bool taken = escapeTaken;
    if (events_.onEscape) events_.onEscape();
    return taken;
}

void FakeKeyboardWatch::Release(std::uint8_t virtualKey) {
    down[virtualKey] = false;
    if (burst)
        releasedInBurst_.push_back(virtualKey);
    else if (active && events_.onKeyUp)
        events_.onKeyUp(virtualKey);
}

}  // namespace kv
