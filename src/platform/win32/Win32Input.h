#pragma once
// Synthetic keyboard and mouse input, the keyboard layout and the cursor
// through user32.
#include <optional>

#include "platform/InputApi.h"

namespace kv {

class Win32Input : public InputApi {
public:
    void KeybdEvent(std::uint8_t virtualKey, std::uint8_t scanCode, std::uint32_t flags) override;
    std::uint16_t CharToKeyCode(char character) override;
    void UnicodeKeyEvent(std::uint16_t codeUnit, bool keyUp) override;
    // MultiByteToWideChar with the ANSI code page, the list file's.
    std::u16string DecodeAnsiCharacter(const std::string& text, std::size_t at, std::size_t& length) override;
    unsigned MapVirtualKeyCode(unsigned code, unsigned mapType) override;
    void ToggleNumLockState() override;

    Point GetCursorPos() override;
    void SetCursorPos(Point point) override;
    void MouseEvent(std::uint32_t flags, std::uint32_t data) override;
    void GetVirtualScreen(Point& topLeft, Point& bottomRight) override;

    // The first visible top-level window whose title equals the text, case
    // included; restored when minimised.
    bool ActivateWindowByTitle(const std::string& title) override;
    bool IsModifierKeyHeld() override;

private:
    static constexpr unsigned long kFreshKeyStateMs = 60;
    // When this thread's copy of the key state was last refreshed.
    std::optional<unsigned long> keyStateRefreshed_;
};

}  // namespace kv
