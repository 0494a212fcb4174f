#pragma once
// A window whose messages go to a virtual member function; base of the
// program's forms and own controls.
#include <windows.h>

#include "platform/win32/Win32MessageLoop.h"
#include "platform/win32/WindowProc.h"

namespace kv {

class Window : private WindowTarget {
public:
    Window() = default;
    virtual ~Window();
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    HWND Handle() const { return hwnd_; }

    // The Window object of a window made by Create, nullptr for other windows.
    static Window* FromHandle(HWND hwnd);

protected:
    // Registers a window class whose messages reach WndProc (once per name).
    static void RegisterWindowClass(const char* className, HCURSOR cursor, HBRUSH background, HICON icon = nullptr,
                                    UINT style = 0);

    // Creates the window of a class registered by RegisterWindowClass.
    HWND Create(DWORD exStyle, const char* className, const char* title, DWORD style, int x, int y, int width,
                int height, HWND parent, HMENU menuOrId = nullptr);
    virtual LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam);
    LRESULT Default(UINT msg, WPARAM wParam, LPARAM lParam) { return DefWindowProcA(hwnd_, msg, wParam, lParam); }

private:
    // The window target: messages go to WndProc; what a handler lets escape
    // is shown in the error box.
    LRESULT OnMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) override;
    LRESULT OnEscapedError(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, const char* what) override;
    void OnWindowGone(HWND hwnd) override;

    HWND hwnd_ = nullptr;
};

// Shows the window modally over its owner: the owner is disabled and the
// messages are dispatched until done becomes true or the program is ending.
void RunModal(Win32MessageLoop& loop, HWND window, HWND owner, const bool& done);
// RunModal in a loop of its own: a quit request met there belongs to the
// program's main loop and is posted again for it.
void RunModalInOwnLoop(HWND window, HWND owner, const bool& done);

}  // namespace kv
