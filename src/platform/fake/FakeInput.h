#pragma once
// A simulated keyboard, mouse and desktop. Records every injected event, keeps
// which keys are down, and answers layout questions from tables a test can
// change (a US layout by default).
#include <array>
#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

#include "platform/InputApi.h"
#include "platform/MessageLoopApi.h"

namespace kv {

// One keybd_event call, or one UTF-16 code unit sent as a character of no
// key (flags with kKeyEventUnicode, virtual key and scan code 0).
struct KeyEvent {
    std::uint8_t virtualKey = 0;
    std::uint8_t scanCode = 0;
    std::uint32_t flags = 0;
    std::uint16_t unicode = 0;

    bool operator==(const KeyEvent& o) const {
        return virtualKey == o.virtualKey && scanCode == o.scanCode && flags == o.flags && unicode == o.unicode;
    }
    bool operator!=(const KeyEvent& o) const { return !(*this == o); }
};

std::ostream& operator<<(std::ostream& out, const KeyEvent& event);

// One cursor placement or one mouse_event call, stamped with the clock's tick.
struct MouseAction {
    enum class Kind { SetCursor, Button };
    Kind kind = Kind::SetCursor;
    Point point;              // SetCursor
    std::uint32_t flags = 0;  // Button
    std::uint32_t data = 0;   // Button
    std::uint32_t tick = 0;
};

class FakeInput : public InputApi {
public:
    FakeInput();

    void KeybdEvent(std::uint8_t virtualKey, std::uint8_t scanCode, std::uint32_t flags) override;
    std::uint16_t CharToKeyCode(char character) override;
    void UnicodeKeyEvent(std::uint16_t codeUnit, bool keyUp) override;
    // Windows-1252, the ANSI code page of a western Windows; its five unused
    // bytes are no character.
    std::u16string DecodeAnsiCharacter(const std::string& text, std::size_t at, std::size_t& length) override;
    unsigned MapVirtualKeyCode(unsigned code, unsigned mapType) override;
    void ToggleNumLockState() override { numLock = !numLock; }

    Point GetCursorPos() override { return cursor; }
    void SetCursorPos(Point point) override;
    void MouseEvent(std::uint32_t flags, std::uint32_t data) override;
    void GetVirtualScreen(Point& topLeft, Point& bottomRight) override;

    bool ActivateWindowByTitle(const std::string& title) override;
    // Answers true for the next modifierHeldPolls calls: the user still holds
    // the shortcut's modifiers for that long.
    bool IsModifierKeyHeld() override;
    int modifierHeldPolls = 0;

    // The virtual keys that are down now, in ascending order.
    std::vector<std::uint8_t> HeldKeys() const;

    // Character to key code (VkKeyScan form); 0xFFFF for no key.
    std::array<std::uint16_t, 256> layout;
    // Virtual key to scan code (MapVirtualKey map type 0); 0 for none.
    std::array<std::uint8_t, 256> scanCodes;

    std::vector<KeyEvent> keys;
    std::vector<MouseAction> mouse;
    std::array<bool, 256> down{};
    Point cursor;
    // One 1920x1080 monitor unless a test says otherwise.
    Point screenTopLeft{0, 0};
    Point screenBottomRight{1919, 1079};
    bool numLock = false;

    // Titles of the top-level windows; ActivateWindowByTitle makes one active.
    std::vector<std::string> windowTitles;
    std::string activeWindow;

    // When set, mouse actions are stamped with its tick count.
    MessageLoopApi* clock = nullptr;
};

}  // namespace kv
