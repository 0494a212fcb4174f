#include "platform/fake/FakeInput.h"

#include <cstdio>

namespace kv {

namespace {

// Shifted characters of the US layout and the key each one shares with an
// unshifted character.
struct ShiftedPair {
    char plain;
    char shifted;
    std::uint8_t virtualKey;
};

const ShiftedPair kUsPunctuation[] = {
    {'1', '!', 0x31}, {'2', '@', 0x32}, {'3', '#', 0x33}, {'4', '$', 0x34},  {'5', '%', 0x35}, {'6', '^', 0x36},
    {'7', '&', 0x37}, {'8', '*', 0x38}, {'9', '(', 0x39}, {'0', ')', 0x30},  {'`', '~', 0xC0}, {'-', '_', 0xBD},
    {'=', '+', 0xBB}, {'[', '{', 0xDB}, {']', '}', 0xDD}, {'\\', '|', 0xDC}, {';', ':', 0xBA}, {'\'', '"', 0xDE},
    {',', '<', 0xBC}, {'.', '>', 0xBE}, {'/', '?', 0xBF},
};

// Set-1 scan codes of a PC keyboard.
struct ScanCode {
    std::uint8_t virtualKey;
    std::uint8_t scanCode;
};

const ScanCode kUsScanCodes[] = {
    {0x08, 0x0E}, {0x09, 0x0F}, {0x0D, 0x1C}, {0x10, 0x2A}, {0x11, 0x1D}, {0x12, 0x38}, {0x13, 0x45}, {0x14, 0x3A},
    {0x1B, 0x01}, {0x20, 0x39}, {0x21, 0x49}, {0x22, 0x51}, {0x23, 0x4F}, {0x24, 0x47}, {0x25, 0x4B}, {0x26, 0x48},
    {0x27, 0x4D}, {0x28, 0x50}, {0x2C, 0x54}, {0x2D, 0x52}, {0x2E, 0x53}, {0x30, 0x0B}, {0x31, 0x02}, {0x32, 0x03},
    {0x33, 0x04}, {0x34, 0x05}, {0x35, 0x06}, {0x36, 0x07}, {0x37, 0x08}, {0x38, 0x09}, {0x39, 0x0A}, {0x41, 0x1E},
    {0x42, 0x30}, {0x43, 0x2E}, {0x44, 0x20}, {0x45, 0x12}, {0x46, 0x21}, {0x47, 0x22}, {0x48, 0x23}, {0x49, 0x17},
    {0x4A, 0x24}, {0x4B, 0x25}, {0x4C, 0x26}, {0x4D, 0x32}, {0x4E, 0x31}, {0x4F, 0x18}, {0x50, 0x19}, {0x51, 0x10},
    {0x52, 0x13}, {0x53, 0x1F}, {0x54, 0x14}, {0x55, 0x16}, {0x56, 0x2F}, {0x57, 0x11}, {0x58, 0x2D}, {0x59, 0x15},
    {0x5A, 0x2C}, {0x70, 0x3B}, {0x71, 0x3C}, {0x72, 0x3D}, {0x73, 0x3E}, {0x74, 0x3F}, {0x75, 0x40}, {0x76, 0x41},
    {0x77, 0x42}, {0x78, 0x43}, {0x79, 0x44}, {0x7A, 0x57}, {0x7B, 0x58}, {0x90, 0x45}, {0x91, 0x46}, {0xBA, 0x27},
    {0xBB, 0x0D}, {0xBC, 0x33}, {0xBD, 0x0C}, {0xBE, 0x34}, {0xBF, 0x35}, {0xC0, 0x29}, {0xDB, 0x1A}, {0xDC, 0x2B},
    {0xDD, 0x1B}, {0xDE, 0x28},
};

// Windows-1252 bytes 0x80 to 0x9F; 0 for the five that are no character.
const char16_t kCp1252High[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};

int Clamp(int value, int low, int high) { return value < low ? low : value > high ? high : value; }

}  // namespace

std::ostream& operator<<(std::ostream& out, const KeyEvent& event) {
    char text[64];
    if (event.flags & kKeyEventUnicode) {
        std::snprintf(text, sizeof text, "{U+%04X, %s}", unsigned(event.unicode),
                      (event.flags & kKeyEventKeyUp) ? "up" : "down");
    } else {
        std::snprintf(text, sizeof text, "{vk 0x%02X, scan 0x%02X, %s%s}", event.virtualKey, event.scanCode,
                      (event.flags & kKeyEventKeyUp) ? "up" : "down",
                      (event.flags & kKeyEventExtendedKey) ? ", extended" : "");
    }
    return out << text;
}

FakeInput::FakeInput() {
    layout.fill(0xFFFF);
    for (char c = 'a'; c <= 'z'; ++c) layout[std::uint8_t(c)] = std::uint16_t(c - 'a' + 'A');
    for (char c = 'A'; c <= 'Z'; ++c) layout[std::uint8_t(c)] = std::uint16_t(0x100 | c);
    for (const ShiftedPair& p : kUsPunctuation) {
        layout[std::uint8_t(p.plain)] = p.virtualKey;
        layout[std::uint8_t(p.shifted)] = std::uint16_t(0x100 | p.virtualKey);
    }
    layout[' '] = 0x20;
    layout['\t'] = 0x09;
    layout['\r'] = 0x0D;
    layout['\n'] = 0x20D;  // Ctrl+Enter
    layout['\b'] = 0x08;

    scanCodes.fill(0);
    for (const ScanCode& s : kUsScanCodes) scanCodes[s.virtualKey] = s.scanCode;
}

void FakeInput::KeybdEvent(std::uint8_t virtualKey, std::uint8_t scanCode, std::uint32_t flags) {
    keys.push_back({virtualKey, scanCode, flags});
    down[virtualKey] = (flags & kKeyEventKeyUp) == 0;
}

std::uint16_t FakeInput::CharToKeyCode(char character) { return layout[std::uint8_t(character)]; }

void FakeInput::UnicodeKeyEvent(std::uint16_t codeUnit, bool keyUp) {
    keys.push_back({0, 0, kKeyEventUnicode | (keyUp ? kKeyEventKeyUp : 0u), codeUnit});
}

std::u16string FakeInput::DecodeAnsiCharacter(const std::string& text, std::size_t at, std::size_t& length) {
    length = 1;
    if (at >= text.size()) return {};
    const std::uint8_t byte = std::uint8_t(text[at]);
    if (byte < 0x80 || byte >= 0xA0) return std::u16string(1, char16_t(byte));
    const char16_t unit = kCp1252High[byte - 0x80];
    return unit ? std::u16string(1, unit) : std::u16string();
}

unsigned FakeInput::MapVirtualKeyCode(unsigned code, unsigned mapType) {
    if (mapType != 0 || code > 0xFF) return 0;
    return scanCodes[code];
}

void FakeInput::SetCursorPos(Point point) {
    // Like the platform, the cursor stays on the screens.
    cursor.x = Clamp(point.x, screenTopLeft.x, screenBottomRight.x);
    cursor.y = Clamp(point.y, screenTopLeft.y, screenBottomRight.y);
    MouseAction action;
    action.kind = MouseAction::Kind::SetCursor;
    action.point = point;
    action.tick = clock ? clock->TickCount() : 0;
    mouse.push_back(action);
}

void FakeInput::MouseEvent(std::uint32_t flags, std::uint32_t data) {
    MouseAction action;
    action.kind = MouseAction::Kind::Button;
    action.point = cursor;
    action.flags = flags;
    action.data = data;
    action.tick = clock ? clock->TickCount() : 0;
    mouse.push_back(action);
}

void FakeInput::GetVirtualScreen(Point& topLeft, Point& bottomRight) {
    topLeft = screenTopLeft;
    bottomRight = screenBottomRight;
}

bool FakeInput::ActivateWindowByTitle(const std::string& title) {
    for (const std::string& t : windowTitles) {
        if (t == title) {
            activeWindow = t;
            return true;
        }
    }
    return false;
}

std::vector<std::uint8_t> FakeInput::HeldKeys() const {
    std::vector<std::uint8_t> held;
    for (int vk = 0; vk < 256; ++vk) {
        if (down[vk]) held.push_back(std::uint8_t(vk));
    }
    return held;
}

bool FakeInput::IsModifierKeyHeld() {
    if (modifierHeldPolls <= 0) return false;
    --modifierHeldPolls;
    return true;
}

}  // namespace kv
