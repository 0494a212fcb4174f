#pragma once
// Synthetic keyboard and mouse input, the keyboard layout and the cursor.
#include <cstddef>
#include <cstdint>
#include <string>

#include "platform/Types.h"

namespace kv {

// keybd_event flags.
constexpr std::uint32_t kKeyEventExtendedKey = 0x1;
constexpr std::uint32_t kKeyEventKeyUp = 0x2;
constexpr std::uint32_t kKeyEventUnicode = 0x4;  // a UTF-16 code unit instead of a key

// mouse_event button flags.
constexpr std::uint32_t kMouseLeftDown = 0x0002;
constexpr std::uint32_t kMouseLeftUp = 0x0004;
constexpr std::uint32_t kMouseRightDown = 0x0008;
constexpr std::uint32_t kMouseRightUp = 0x0010;
constexpr std::uint32_t kMouseMiddleDown = 0x0020;
constexpr std::uint32_t kMouseMiddleUp = 0x0040;
constexpr std::uint32_t kMouseXDown = 0x0080;
constexpr std::uint32_t kMouseXUp = 0x0100;
constexpr std::uint32_t kMouseXButton1 = 0x0001;  // data of an X button event
constexpr std::uint32_t kMouseXButton2 = 0x0002;

class InputApi {
public:
    virtual ~InputApi() = default;

    // keybd_event(virtualKey, scanCode, flags, 0).
    virtual void KeybdEvent(std::uint8_t virtualKey, std::uint8_t scanCode, std::uint32_t flags) = 0;
    // VkKeyScanExA through the keyboard layout of the window that has the
    // keyboard (of the calling thread when no window has it); 0xFFFF when the
    // character has no key there.
    virtual std::uint16_t CharToKeyCode(char character) = 0;
    // One UTF-16 code unit typed as a character of no key (SendInput with
    // KEYEVENTF_UNICODE), down or up.
    virtual void UnicodeKeyEvent(std::uint16_t codeUnit, bool keyUp) = 0;
    // The character of the ANSI code page that starts at text[at], in UTF-16
    // (two units for a character beyond U+FFFF); length tells how many bytes
    // it takes (more than one in a multi-byte code page). Empty when the
    // bytes are no character of the code page; length is then 1.
    virtual std::u16string DecodeAnsiCharacter(const std::string& text, std::size_t at, std::size_t& length) = 0;
    // MapVirtualKeyA.
    virtual unsigned MapVirtualKeyCode(unsigned code, unsigned mapType) = 0;
    // Flips NumLock's toggle bit in the calling thread's keyboard state
    // (GetKeyState, GetKeyboardState, SetKeyboardState).
    virtual void ToggleNumLockState() = 0;

    virtual Point GetCursorPos() = 0;
    virtual void SetCursorPos(Point point) = 0;
    // mouse_event(flags, 0, 0, data, 0).
    virtual void MouseEvent(std::uint32_t flags, std::uint32_t data) = 0;
    // The rectangle around all monitors, both corners inside it: the cursor
    // cannot leave it.
    virtual void GetVirtualScreen(Point& topLeft, Point& bottomRight) = 0;

    // Finds the top-level window with exactly this title and brings it to the
    // front; false when there is none.
    virtual bool ActivateWindowByTitle(const std::string& title) = 0;

    // True while the user holds Shift, Ctrl, Alt or a Windows key down (the
    // keyboard's asynchronous state, GetAsyncKeyState).
    virtual bool IsModifierKeyHeld() = 0;
};

}  // namespace kv
