#pragma once
// The hotkey component: owns the program's system-wide shortcut
// registrations, names each by a global atom, and turns the platform's
// hotkey message back into the packed shortcut value.
#include <cstdint>
#include <functional>
#include <vector>

#include "hotkeys/HotKeyValue.h"
#include "platform/HotKeyApi.h"
#include "platform/Types.h"

namespace kv {

// Whether the shortcut can be registered now. Registers it against the
// application window under the atom "KVKEYHook" and releases it at once, so
// nothing stays registered and no component's list is touched.
bool IsHotKeyAvailable(HotKeyApi& api, std::uint32_t hotKey);

// One registration: the packed value as given to AddHotKey and the global
// atom it is registered under (0xC000..0xFFFF).
struct HotKeyRecord {
    std::uint32_t HotKey;
    std::uint16_t Id;
};

class HotKeyHook : public MessageReceiver {
public:
    // Creates the hidden window whose messages reach WndProc.
    explicit HotKeyHook(HotKeyApi& api);
    // Releases every registration and destroys the hidden window.
    ~HotKeyHook();

    HotKeyHook(const HotKeyHook&) = delete;
    HotKeyHook& operator=(const HotKeyHook&) = delete;

    // Registers the shortcut under the atom "KVKeyHook" + decimal value,
    // asking for no key repeats (MOD_NOREPEAT).
    // Returns the atom, or 0 when the platform refuses (the combination is
    // taken, by another program or by this one).
    std::uint16_t AddHotKey(std::uint32_t hotKey);
    // Releases the first registration of the value. The record and its atom
    // go whatever the platform answers; true when it confirmed the release.
    bool RemoveHotKey(std::uint32_t hotKey);
    // Releases every registration, the last first.
    void ClearHotKeys();

    // Raises OnHotKeyPressed for presses of the component's own shortcuts;
    // every message then goes to default processing.
    void WndProc(WindowMessage& message) override;

    // HotKey: the packed value of the pressed combination; Index: the
    // registration's atom.
    std::function<void(std::uint32_t HotKey, std::uint16_t Index)> OnHotKeyPressed;

    WindowHandle Handle() const { return window_; }
    const std::vector<HotKeyRecord>& Records() const { return records_; }

private:
    bool Release(std::size_t index);

    HotKeyApi& api_;
    WindowHandle window_ = 0;
    std::vector<HotKeyRecord> records_;
};

}  // namespace kv
