#include "platform/win32/Win32Input.h"

#include <windows.h>

#include <vector>

// <windows.h> turns these into macros for its A/W variants, which would
// rename the methods defined here.
#undef VkKeyScan
#undef MapVirtualKey

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
}

std::uint16_t Win32Input::VkKeyScan(char character) {
    return std::uint16_t(::VkKeyScanA(character));
}

unsigned Win32Input::MapVirtualKey(unsigned code, unsigned mapType) {
    return ::MapVirtualKeyA(code, mapType);
}

void Win32Input::ToggleNumLockState() {
    const bool on = (GetKeyState(VK_NUMLOCK) & 1) != 0;
    BYTE state[256];
    if (!GetKeyboardState(state)) return;
    state[VK_NUMLOCK] = BYTE(on ? (state[VK_NUMLOCK] & ~1) : (state[VK_NUMLOCK] | 1));
    SetKeyboardState(state);
}

void Win32Input::PumpKeyboardMessages() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, WM_KEYFIRST, WM_UNICHAR, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

Point Win32Input::GetCursorPos() {
    POINT p = {0, 0};
    ::GetCursorPos(&p);
    return {int(p.x), int(p.y)};
}

void Win32Input::SetCursorPos(Point point) {
    ::SetCursorPos(point.x, point.y);
}

void Win32Input::MouseEvent(std::uint32_t flags, std::uint32_t data) {
    mouse_event(flags, 0, 0, data, 0);
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
    return true;
}

}  // namespace kv
