#pragma once
// A top-level window of the test that the macros act on. It lives on a
// thread of its own with its own message loop, so that it takes the keys and
// clicks of a macro while the test's thread waits.
#include <windows.h>

#include <atomic>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace kv::e2e {

class TargetWindow {
public:
    enum class Content {
        Edit,        // a multi-line edit box filling the client area
        Clicks,      // records the mouse button messages it receives
        TwoColours,  // upper half kTopColour, lower half kBottomColour
    };
    static constexpr COLORREF kTopColour = RGB(255, 0, 0);
    static constexpr COLORREF kBottomColour = RGB(0, 0, 255);

    struct ButtonMessage {
        UINT message;  // WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_RBUTTONDOWN...
        POINT client;
        WPARAM keys;  // MK_CONTROL, MK_SHIFT...
    };

    // A visible, topmost window of the wide (Unicode) functions whose client
    // area covers the given screen rectangle.
    TargetWindow(Content content, const std::string& title, const RECT& client);
    ~TargetWindow();
    TargetWindow(const TargetWindow&) = delete;
    TargetWindow& operator=(const TargetWindow&) = delete;

    HWND Handle() const { return window_; }
    bool Created() const { return window_ != nullptr; }

    // Makes it the foreground window with the keyboard focus (in the edit
    // box); true once the system reports both.
    bool BringToFront(DWORD timeoutMs = 5000);
    bool HasFocus() const;

    std::string Text() const;
    std::wstring WideText() const;
    void ClearText();
    std::vector<ButtonMessage> ButtonMessages() const;
    // When the window last came back from minimised: 1 for the first of the
    // test's windows to do so, 2 for the next...; 0 for never.
    long RestoreOrder() const { return restoreOrder_; }
    // Screen point of a client point.
    POINT ToScreen(POINT client) const;

private:
    static void RegisterClassOnce();
    static LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
    LRESULT OnMessage(UINT msg, WPARAM wParam, LPARAM lParam);
    void Run(const std::string& title, RECT client);
    HWND FocusTarget() const { return edit_ ? edit_ : window_; }

    const Content content_;
    HWND window_ = nullptr;
    HWND edit_ = nullptr;
    DWORD threadId_ = 0;
    mutable std::mutex mutex_;
    std::vector<ButtonMessage> buttons_;
    bool minimized_ = false;
    std::atomic<long> restoreOrder_{0};
    static inline std::atomic<long> restoreCount_{0};
    std::thread thread_;
};

}  // namespace kv::e2e
