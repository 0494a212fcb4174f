#include "platform/win32/Win32Input.h"

#include <windows.h>

#include <vector>

namespace kv {

namespace {

struct TitleSearch {
    const std::string* title;
    HWND found;
};

BOOL CALLBACK MatchTitle(HWND hwnd, LPARAM param) {
    TitleSearch& search = *reinterpret_cast<TitleSearch*>(param);
    if (!IsWindowVisible(hwnd)) return TRUE;
    // The length may be overstated, never understated.
    const int length = GetWindowTextLengthA(hwnd);
    if (length < int(search.title->size())) return TRUE;
    std::vector<char> text(size_t(length) + 1);
    GetWindowTextA(hwnd, text.data(), length + 1);
    if (*search.title != text.data()) return TRUE;
    search.found = hwnd;
    return FALSE;
}

}  // namespace

void Win32Input::KeybdEvent(std::uint8_t virtualKey, std::uint8_t scanCode, std::uint32_t flags) {
    keybd_event(virtualKey, scanCode, flags, 0);
    keyStateRefreshed_ = GetTickCount();
}

std::uint16_t Win32Input::CharToKeyCode(char character) {
    // The layout of the thread that owns the foreground window: the keys go
    // to that window, and it may type with another layout than this program.
    DWORD thread = 0;
    if (const HWND foreground = GetForegroundWindow()) thread = GetWindowThreadProcessId(foreground, nullptr);
    return std::uint16_t(::VkKeyScanExA(character, GetKeyboardLayout(thread)));
}

void Win32Input::UnicodeKeyEvent(std::uint16_t codeUnit, bool keyUp) {
    INPUT input = {};
    input.type = INPUT_KEYBOARD;
    input.ki.wScan = codeUnit;
    input.ki.dwFlags = KEYEVENTF_UNICODE | (keyUp ? KEYEVENTF_KEYUP : 0);
    SendInput(1, &input, sizeof input);
    keyStateRefreshed_ = GetTickCount();
}

std::u16string Win32Input::DecodeAnsiCharacter(const std::string& text, std::size_t at, std::size_t& length) {
    static_assert(sizeof(wchar_t) == sizeof(char16_t), "UTF-16 wide characters");
    length = 1;
    // A character of a multi-byte code page takes up to four bytes: the
    // shortest run that converts on its own to one character is the one.
    constexpr std::size_t kMaxCharacterBytes = 4;
    for (std::size_t n = 1; n <= kMaxCharacterBytes && at + n <= text.size(); ++n) {
        wchar_t units[2];
        const int count = MultiByteToWideChar(CP_ACP, MB_ERR_INVALID_CHARS, text.data() + at, int(n), units, 2);
        if (count == 1 || (count == 2 && IS_HIGH_SURROGATE(units[0]) && IS_LOW_SURROGATE(units[1]))) {
            length = n;
            return std::u16string(reinterpret_cast<const char16_t*>(units), std::size_t(count));
        }
        if (count > 0) break;  // more than one character: the first byte is none
    }
    return {};
}

unsigned Win32Input::MapVirtualKeyCode(unsigned code, unsigned mapType) { return ::MapVirtualKeyA(code, mapType); }

void Win32Input::ToggleNumLockState() {
    const bool on = (GetKeyState(VK_NUMLOCK) & 1) != 0;
    BYTE state[256];
    if (!GetKeyboardState(state)) return;
    state[VK_NUMLOCK] = BYTE(on ? (state[VK_NUMLOCK] & ~1) : (state[VK_NUMLOCK] | 1));
    SetKeyboardState(state);
}

Point Win32Input::GetCursorPos() {
    POINT p = {0, 0};
    ::GetCursorPos(&p);
    return {int(p.x), int(p.y)};
}

void Win32Input::SetCursorPos(Point point) { ::SetCursorPos(point.x, point.y); }

void Win32Input::MouseEvent(std::uint32_t flags, std::uint32_t data) {
    mouse_event(flags, 0, 0, data, 0);
    keyStateRefreshed_ = GetTickCount();
}

void Win32Input::GetVirtualScreen(Point& topLeft, Point& bottomRight) {
    topLeft.x = GetSystemMetrics(SM_XVIRTUALSCREEN);
    topLeft.y = GetSystemMetrics(SM_YVIRTUALSCREEN);
    bottomRight.x = topLeft.x + GetSystemMetrics(SM_CXVIRTUALSCREEN) - 1;
    bottomRight.y = topLeft.y + GetSystemMetrics(SM_CYVIRTUALSCREEN) - 1;
}

bool Win32Input::ActivateWindowByTitle(const std::string& title) {
    TitleSearch search = {&title, nullptr};
    EnumWindows(MatchTitle, reinterpret_cast<LPARAM>(&search));
    if (!search.found) return false;
    if (IsIconic(search.found)) ShowWindow(search.found, SW_RESTORE);
    SetForegroundWindow(search.found);
    // The window's thread sets its focus while it handles the activation;
    // keys sent before that would reach no control and be lost. A message
    // sent after the activation returns once the activation has been handled.
    DWORD_PTR ignored = 0;
    SendMessageTimeoutA(search.found, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 1000, &ignored);
    return true;
}

namespace {

// Wine's ntdll exports wine_get_version; Windows' does not.
bool RunsUnderWine() {
    static const bool wine = [] {
        HMODULE ntdll = GetModuleHandleA("ntdll.dll");
        return ntdll && GetProcAddress(ntdll, "wine_get_version") != nullptr;
    }();
    return wine;
}

}  // namespace

bool Win32Input::IsModifierKeyHeld() {
    // Wine answers GetAsyncKeyState from a per-thread copy of the key state
    // for 50 ms after it was last read, which every query and every injected
    // event does, while the user's keys go to another program. Until a fresh
    // answer can be had the keys count as still held, and the caller polls
    // again a little later.
    const DWORD now = GetTickCount();
    if (RunsUnderWine() && keyStateRefreshed_ && now - *keyStateRefreshed_ < kFreshKeyStateMs) return true;
    keyStateRefreshed_ = now;
    for (int key : {VK_SHIFT, VK_CONTROL, VK_MENU, VK_LWIN, VK_RWIN}) {
        if (GetAsyncKeyState(key) & 0x8000) return true;
    }
    return false;
}

}  // namespace kv
