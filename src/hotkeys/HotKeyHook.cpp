#include "hotkeys/HotKeyHook.h"

#include <cstddef>
#include <string>

namespace kv {

namespace {

const char* const kAtomPrefix = "KVKeyHook";
const char* const kProbeAtomName = "KVKEYHook";

// The packed value of a hotkey message's lParam: modifiers in the low word,
// virtual key in the high word.
std::uint32_t HotKeyFromMessage(std::intptr_t lParam) {
    auto bits = static_cast<std::uintptr_t>(lParam);
    return MakeHotKey(static_cast<unsigned>(bits & 0xFFFF), static_cast<std::uint16_t>((bits >> 16) & 0xFFFF));
}

}  // namespace

bool IsHotKeyAvailable(HotKeyApi& api, std::uint32_t hotKey) {
    std::uint16_t atom = api.AddGlobalAtom(kProbeAtomName);
    std::uint16_t key;
    unsigned modifiers;
    SplitHotKey(hotKey, key, modifiers);
    // The application window, not a component's: the probe must never raise
    // a component's event.
    WindowHandle window = api.ApplicationWindow();
    bool available = api.RegisterHotKey(window, atom, modifiers, key);
    if (available) api.UnregisterHotKey(window, atom);
    if (atom != 0) api.DeleteAtom(atom);
    return available;
}

HotKeyHook::HotKeyHook(HotKeyApi& api) : api_(api) { window_ = api_.CreateMessageWindow(*this); }

HotKeyHook::~HotKeyHook() {
    ClearHotKeys();
    api_.DestroyMessageWindow(window_);
}

std::uint16_t HotKeyHook::AddHotKey(std::uint32_t hotKey) {
    std::uint16_t key;
    unsigned modifiers;
    SplitHotKey(hotKey, key, modifiers);

    std::uint16_t atom = api_.AddGlobalAtom(kAtomPrefix + std::to_string(hotKey));
    // Without an atom there is no id to report: registering under id 0 would
    // leave a registration that nobody can name or release.
    if (atom == 0) return 0;
    // One press, one message; the stored value never carries the flag.
    if (!api_.RegisterHotKey(window_, atom, modifiers | kModNoRepeat, key)) {
        api_.DeleteAtom(atom);
        return 0;
    }
    records_.push_back(HotKeyRecord{hotKey, atom});
    return atom;
}

bool HotKeyHook::RemoveHotKey(std::uint32_t hotKey) {
    for (std::size_t i = 0; i < records_.size(); ++i) {
        if (records_[i].HotKey == hotKey) return Release(i);
    }
    return false;
}

void HotKeyHook::ClearHotKeys() {
    while (!records_.empty()) Release(records_.size() - 1);
}

bool HotKeyHook::Release(std::size_t index) {
    std::uint16_t id = records_[index].Id;
    bool released = api_.UnregisterHotKey(window_, id);
    // The atom and the record go even when the platform refuses: the
    // registration is gone from the program's point of view either way.
    api_.DeleteAtom(id);
    records_.erase(records_.begin() + static_cast<std::ptrdiff_t>(index));
    return released;
}

void HotKeyHook::WndProc(WindowMessage& message) {
    if (message.msg == kWmHotKey && OnHotKeyPressed) {
        std::uint32_t hotKey = HotKeyFromMessage(message.lParam);
        bool own = false;
        for (const HotKeyRecord& record : records_) {
            if (record.HotKey == hotKey) {
                own = true;
                break;
            }
        }
        // The handler may add or remove registrations, so the list is not
        // walked while it runs.
        if (own) OnHotKeyPressed(hotKey, static_cast<std::uint16_t>(message.wParam & 0xFFFF));
    }
    message.result = api_.DefaultWindowProc(window_, message);
}

}  // namespace kv
