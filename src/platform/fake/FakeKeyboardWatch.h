#pragma once
// A simulated keyboard watch: a test presses Esc and lets keys go up.
#include <array>
#include <cstdint>
#include <vector>

#include "platform/KeyboardWatchApi.h"

namespace kv {

class FakeKeyboardWatch : public KeyboardWatchApi {
public:
    bool Start(KeyboardWatchEvents events) override;
    void Stop() override;
    bool Active() const override { return active; }
    void TakeEscape(bool take) override { escapeTaken = take; }
    void SetOwnKeysBurst(bool on) override;
    bool OwnKeysBurst() const override { return burst; }
    bool IsKeyDown(std::uint8_t virtualKey) const override { return down[virtualKey]; }
    bool IsModifierKeyHeld() const override { return modifierHeld; }

    // The user presses Esc; reported only while the watch runs. True when
    // the press was kept from the window in front.
    bool PressEscape();
    // The user lets the key go; in a burst, reported when the burst ends.
    void Release(std::uint8_t virtualKey);

    bool refuse = false;  // Start fails
    bool active = false;
    int starts = 0;
    std::array<bool, 256> down{};
    bool modifierHeld = false;
    bool escapeTaken = false;
    bool burst = false;
    int bursts = 0;  // begun

private:
    KeyboardWatchEvents events_;
    std::vector<std::uint8_t> releasedInBurst_;
};

}  // namespace kv
