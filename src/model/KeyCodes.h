#pragma once
// Facts about virtual-key codes shared by the shortcut names and the typed
// key events.

namespace kv {

// Page Up, Page Down, End, Home, the arrows, Insert and Delete share their
// scan codes with the numeric keypad; only the extended bit tells them apart.
constexpr bool IsExtendedKey(unsigned virtualKey) {
    return (virtualKey >= 0x21 && virtualKey <= 0x28) || virtualKey == 0x2D || virtualKey == 0x2E;
}

}  // namespace kv
