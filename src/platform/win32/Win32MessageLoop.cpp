#include "platform/win32/Win32MessageLoop.h"

namespace kv {

namespace {

// Windows whose keyboard navigation (Tab, arrows, Enter, Esc) goes through
// IsDialogMessage: dialogs and windows that hold controls.
bool IsDialogStyleWindow(HWND hwnd) {
    if (!hwnd) return false;
    if (GetWindowLongPtrA(hwnd, GWL_EXSTYLE) & WS_EX_CONTROLPARENT) return true;
    char className[16] = {};
    GetClassNameA(hwnd, className, sizeof(className));
    return lstrcmpA(className, "#32770") == 0;
}

// Tab, the arrows and Alt show the focus rectangles and the accelerators'
// underlines of a window that hides them until the keyboard is used.
void ShowKeyboardCues(HWND top, const MSG& msg) {
    const bool navigation =
        (msg.message == WM_KEYDOWN && (msg.wParam == VK_TAB || (msg.wParam >= VK_LEFT && msg.wParam <= VK_DOWN))) ||
        (msg.message == WM_SYSKEYDOWN && msg.wParam == VK_MENU);
    if (!navigation) return;
    const UINT hidden = UINT(SendMessageA(top, WM_QUERYUISTATE, 0, 0)) & (UISF_HIDEACCEL | UISF_HIDEFOCUS);
    if (hidden) SendMessageA(top, WM_CHANGEUISTATE, MAKEWPARAM(UIS_CLEAR, hidden), 0);
}

}  // namespace

std::uint32_t Win32MessageLoop::TickCount() { return GetTickCount(); }

void Win32MessageLoop::ProcessMessages() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            // Removed from the queue, so the waits that follow sleep again
            // instead of waking at once for it.
            OnQuit(msg);
            continue;
        }
        Dispatch(msg);
    }
}

void Win32MessageLoop::WaitForMessage(std::uint32_t timeoutMs) {
    MsgWaitForMultipleObjectsEx(0, nullptr, timeoutMs, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
}

int Win32MessageLoop::Run() {
    const bool never = false;  // the main loop is a modal loop that is never done
    RunUntil(never);
    return exitCode_;
}

void Win32MessageLoop::RunUntil(const bool& done) {
    MSG msg;
    while (!done && !terminated_) {
        const BOOL got = GetMessageA(&msg, nullptr, 0, 0);
        if (got == 0) {
            OnQuit(msg);
            break;
        }
        if (got < 0) break;
        Dispatch(msg);
    }
}

void Win32MessageLoop::Terminate(int exitCode) { PostQuitMessage(exitCode); }

void Win32MessageLoop::Dispatch(MSG& msg) {
    const HWND top = msg.hwnd ? GetAncestor(msg.hwnd, GA_ROOT) : nullptr;
    if (IsDialogStyleWindow(top)) {
        ShowKeyboardCues(top, msg);
        if (IsDialogMessageA(top, &msg)) return;
    }
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
}

void Win32MessageLoop::OnQuit(const MSG& msg) {
    terminated_ = true;
    exitCode_ = int(msg.wParam);
}

}  // namespace kv
