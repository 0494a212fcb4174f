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

void FakeKeyboardWatch::Stop() { active = false; }

bool FakeKeyboardWatch::PressEscape() {
    if (!active) return false;
    // Decided before the program hears of the press, as the real watch does.
    const bool taken = escapeTaken;
    if (events_.onEscape) events_.onEscape();
    return taken;
}

void FakeKeyboardWatch::Release(std::uint8_t virtualKey) {
    down[virtualKey] = false;
    if (active && events_.onKeyUp) events_.onKeyUp(virtualKey);
}

}  // namespace kv
