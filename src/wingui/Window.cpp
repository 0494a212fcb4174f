#include "wingui/Window.h"

#include "uilogic/AppTitle.h"
#include "wingui/WindowHelpers.h"

namespace kv {

namespace {
// Marks the windows made by Window::Create (the user data of others is theirs).
const char* const kWindowProp = "KvWindow";

}  // namespace

Window::~Window() {
    if (hwnd_) {
        // The object goes first: the window's last messages no longer reach it.
        AttachTarget(hwnd_, nullptr);
        RemovePropA(hwnd_, kWindowProp);
        DestroyWindow(hwnd_);
    }
}

Window* Window::FromHandle(HWND hwnd) {
    if (!hwnd || !GetPropA(hwnd, kWindowProp)) return nullptr;
    return static_cast<Window*>(AttachedTarget(hwnd));
}

void Window::RegisterWindowClass(const char* className, HCURSOR cursor, HBRUSH background, HICON icon, UINT style) {
    WNDCLASSEXA wc = {};
    wc.cbSize = sizeof(wc);
    const HINSTANCE instance = GetModuleHandleA(nullptr);
    if (GetClassInfoExA(instance, className, &wc)) return;
    wc.cbSize = sizeof(wc);
    wc.style = style;
    wc.lpfnWndProc = TargetWindowProc;
    wc.hInstance = instance;
    wc.hCursor = cursor;
    wc.hbrBackground = background;
    wc.hIcon = icon;
    wc.lpszClassName = className;
    RegisterClassExA(&wc);
}

HWND Window::Create(DWORD exStyle, const char* className, const char* title, DWORD style, int x, int y, int width,
                    int height, HWND parent, HMENU menuOrId) {
    return CreateWindowExA(exStyle, className, title, style, x, y, width, height, parent, menuOrId,
                           GetModuleHandleA(nullptr), static_cast<WindowTarget*>(this));
}

LRESULT Window::WndProc(UINT msg, WPARAM wParam, LPARAM lParam) { return Default(msg, wParam, lParam); }

LRESULT Window::OnMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_NCCREATE) {
        hwnd_ = hwnd;
        SetPropA(hwnd, kWindowProp, reinterpret_cast<HANDLE>(1));
    }
    return WndProc(msg, wParam, lParam);
}

// An exception must not unwind through the system's frames around a window
// procedure: what a handler lets escape is shown in the error box, and the
// message gets its default processing.
LRESULT Window::OnEscapedError(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, const char* what) {
    MessageBoxA(GetAncestor(hwnd, GA_ROOT), ErrorBoxText(what).c_str(), ApplicationTitle(ExePath()).c_str(),
                MB_OK | MB_ICONERROR);
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

void Window::OnWindowGone(HWND hwnd) {
    RemovePropA(hwnd, kWindowProp);
    hwnd_ = nullptr;
}

void RunModal(Win32MessageLoop& loop, HWND window, HWND owner, const bool& done) {
    const bool ownerWasEnabled = owner && IsWindowEnabled(owner);
    if (ownerWasEnabled) EnableWindow(owner, FALSE);
    ShowWindow(window, SW_SHOWNORMAL);
    SetForegroundWindow(window);
    loop.RunUntil(done);
    // The owner is enabled before the modal window goes, so that it gets the
    // activation back.
    if (ownerWasEnabled) EnableWindow(owner, TRUE);
    if (IsWindow(window)) ShowWindow(window, SW_HIDE);
    if (owner && IsWindowVisible(owner)) SetActiveWindow(owner);
}

void RunModalInOwnLoop(HWND window, HWND owner, const bool& done) {
    Win32MessageLoop loop;
    RunModal(loop, window, owner, done);
    if (loop.Terminated()) PostQuitMessage(0);
}

}  // namespace kv
