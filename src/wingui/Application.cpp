#include "wingui/Application.h"

namespace kv {

namespace {

const char* const kApplicationClass = "KvApplication";
// Posted to itself when activated: the activation passes on to the window the
// user works in (the main window, or a modal window over it).
const UINT kActivateFormMessage = WM_APP + 1;

}  // namespace

void Application::Create(const std::string& title, HICON bigIcon, HICON smallIcon) {
    RegisterWindowClass(kApplicationClass, LoadCursor(nullptr, IDC_ARROW), nullptr, bigIcon);
    title_ = title;
    const int x = GetSystemMetrics(SM_CXSCREEN) / 2;
    const int y = GetSystemMetrics(SM_CYSCREEN) / 2;
    Window::Create(0, kApplicationClass, title.c_str(),
                   WS_POPUP | WS_CAPTION | WS_CLIPSIBLINGS | WS_SYSMENU | WS_MINIMIZEBOX, x, y, 0, 0, nullptr);
    SendMessageA(Handle(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(bigIcon));
    SendMessageA(Handle(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(smallIcon));
}

void Application::Minimize() {
    if (mainForm_) ShowWindow(mainForm_, SW_HIDE);
    ShowWindow(Handle(), SW_MINIMIZE);
    if (OnMinimize) OnMinimize();
}

void Application::Restore() {
    const bool minimized = IsIconic(Handle()) || (mainForm_ && !IsWindowVisible(mainForm_));
    if (!minimized) return;
    ShowWindow(Handle(), SW_RESTORE);
    if (mainForm_) {
        ShowWindow(mainForm_, SW_SHOWNORMAL);
        SetForegroundWindow(mainForm_);
    }
    if (OnRestore) OnRestore();
}

LRESULT Application::WndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
        case WM_SYSCOMMAND:
            switch (wParam & 0xFFF0) {
                case SC_MINIMIZE: Minimize(); return 0;
                case SC_RESTORE: Restore(); return 0;
                case SC_CLOSE:
                    // Closing the taskbar button closes the main window.
                    if (mainForm_) PostMessageA(mainForm_, WM_CLOSE, 0, 0);
                    return 0;
            }
            break;
        case WM_CLOSE:
            if (mainForm_) PostMessageA(mainForm_, WM_CLOSE, 0, 0);
            return 0;
        case WM_ACTIVATE:
            if (LOWORD(wParam) != WA_INACTIVE) PostMessageA(Handle(), kActivateFormMessage, 0, 0);
            break;
        case kActivateFormMessage: {
            if (GetActiveWindow() != Handle()) return 0;
            const HWND popup = GetLastActivePopup(Handle());
            HWND target = popup && popup != Handle() && IsWindowVisible(popup) ? popup : mainForm_;
            if (target && IsWindowVisible(target) && IsWindowEnabled(target)) SetActiveWindow(target);
            return 0;
        }
    }
    return Window::WndProc(msg, wParam, lParam);
}

}  // namespace kv
