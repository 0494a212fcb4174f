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

bool FakeKeyboardWatch::PressEscape() { return active && events_.onEscape && events_.onEscape(); }

void FakeKeyboardWatch::Release(std::uint8_t virtualKey) {
    down[virtualKey] = false;
    if (active && events_.onKeyUp) events_.onKeyUp(virtualKey);
}

}  // namespace kv
