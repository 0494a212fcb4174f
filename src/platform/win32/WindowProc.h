#pragma once
// The one window procedure of the program's own window classes (the forms
// and controls of the widget kit, the hidden message windows): it routes
// each message to the WindowTarget attached to the window, and keeps
// exceptions from unwinding through the system's frames.
#include <windows.h>

namespace kv {

class WindowTarget {
public:
    // Handles one message of hwnd.
    virtual LRESULT OnMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) = 0;
    // What the message returns when OnMessage let an exception escape;
    // by default the message gets its default processing.
    virtual LRESULT OnEscapedError(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, const char* what);
    // The window has had its last message (WM_NCDESTROY) and the target is
    // no longer attached.
    virtual void OnWindowGone(HWND hwnd) {}

protected:
    ~WindowTarget() = default;
};

// The lpfnWndProc of every class whose windows have targets. A window
// created with a WindowTarget* as its creation parameter gets the target
// from WM_NCCREATE on; others from AttachTarget. Messages of a window
// without a target get DefWindowProcA.
LRESULT CALLBACK TargetWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

// Attaches target to hwnd (nullptr detaches: later messages get the default
// processing).
void AttachTarget(HWND hwnd, WindowTarget* target);
// The target attached to hwnd; nullptr when none.
WindowTarget* AttachedTarget(HWND hwnd);

}  // namespace kv
