#include "platform/win32/Win32Foreground.h"

#include <windows.h>

namespace kv {

namespace {

HWND ToHwnd(WindowHandle window) { return reinterpret_cast<HWND>(window); }

}  // namespace

WindowHandle Win32Foreground::ForegroundWindow() { return reinterpret_cast<WindowHandle>(GetForegroundWindow()); }

bool Win32Foreground::IsOwnWindow(WindowHandle window) {
    DWORD processId = 0;
    GetWindowThreadProcessId(ToHwnd(window), &processId);
    return processId == GetCurrentProcessId();
}

bool Win32Foreground::IsShown(WindowHandle window) {
    return IsWindowVisible(ToHwnd(window)) && !IsIconic(ToHwnd(window));
}

bool Win32Foreground::Activate(WindowHandle window) {
    const HWND hwnd = ToHwnd(window);
    if (!IsWindow(hwnd) || !SetForegroundWindow(hwnd)) return false;
    DWORD_PTR ignored = 0;
    SendMessageTimeoutA(hwnd, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 1000, &ignored);
    return true;
}

}  // namespace kv
