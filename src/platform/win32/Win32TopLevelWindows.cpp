#include "platform/win32/Win32TopLevelWindows.h"

#include <windows.h>
#include <dwmapi.h>

namespace kv {

namespace {

HWND Hwnd(WindowHandle window) { return reinterpret_cast<HWND>(window); }

// Windows 8 and later keep some windows "visible" but cloaked: the parked
// windows of store apps and those of other virtual desktops. The user does
// not see them; they are not the desktop's. (Windows 7 knows no cloaking
// and answers with an error.)
bool IsCloaked(HWND hwnd) {
    DWORD cloaked = 0;
    return SUCCEEDED(DwmGetWindowAttribute(hwnd, DWMWA_CLOAKED, &cloaked, sizeof cloaked)) && cloaked != 0;
}

BOOL CALLBACK CollectWindow(HWND hwnd, LPARAM param) {
    auto& windows = *reinterpret_cast<std::vector<TopLevelWindow>*>(param);
    if (!IsWindowVisible(hwnd)) return TRUE;
    DWORD process = 0;
    GetWindowThreadProcessId(hwnd, &process);
    if (process == GetCurrentProcessId()) return TRUE;
    const LONG_PTR style = GetWindowLongPtrA(hwnd, GWL_STYLE);
    const LONG_PTR exStyle = GetWindowLongPtrA(hwnd, GWL_EXSTYLE);
    if ((exStyle & WS_EX_TOOLWINDOW) || IsCloaked(hwnd)) return TRUE;
    TopLevelWindow window;
    window.handle = reinterpret_cast<WindowHandle>(hwnd);
    window.minimized = IsIconic(hwnd) != FALSE;
    // A disabled window waits for a modal window of its own.
    window.minimizable = (style & WS_MINIMIZEBOX) && !(style & WS_DISABLED);
    windows.push_back(window);
    return TRUE;
}

// ShowWindow waits for the window's thread; a hung one gets the change
// queued instead, so that one frozen program does not freeze this one.
void Show(HWND hwnd, int command) {
    if (IsHungAppWindow(hwnd)) {
        ShowWindowAsync(hwnd, command);
    } else {
        ShowWindow(hwnd, command);
    }
}

}  // namespace

std::vector<TopLevelWindow> Win32TopLevelWindows::OtherProgramsWindows() {
    std::vector<TopLevelWindow> windows;
    EnumWindows(CollectWindow, reinterpret_cast<LPARAM>(&windows));
    return windows;
}

bool Win32TopLevelWindows::WindowExists(WindowHandle window) { return IsWindow(Hwnd(window)) != FALSE; }

bool Win32TopLevelWindows::IsMinimized(WindowHandle window) { return IsIconic(Hwnd(window)) != FALSE; }

void Win32TopLevelWindows::Minimize(WindowHandle window) { Show(Hwnd(window), SW_MINIMIZE); }

void Win32TopLevelWindows::Restore(WindowHandle window) { Show(Hwnd(window), SW_RESTORE); }

void Win32TopLevelWindows::BringToFront(WindowHandle window) { SetForegroundWindow(Hwnd(window)); }

}  // namespace kv
