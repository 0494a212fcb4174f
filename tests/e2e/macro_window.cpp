#include "macro_window.h"

#include "keyvane_instance.h"

namespace kv::e2e {

namespace {

constexpr wchar_t kClassName[] = L"KvE2eTargetWindow";
// Posted to the window's thread: become the foreground window with the focus.
constexpr UINT kBringToFront = WM_APP + 1;

bool IsButtonMessage(UINT msg) {
    switch (msg) {
        case WM_LBUTTONDOWN:
        case WM_LBUTTONUP:
        case WM_LBUTTONDBLCLK:
        case WM_RBUTTONDOWN:
        case WM_RBUTTONUP:
        case WM_RBUTTONDBLCLK:
        case WM_MBUTTONDOWN:
        case WM_MBUTTONUP:
        case WM_MBUTTONDBLCLK:
        case WM_XBUTTONDOWN:
        case WM_XBUTTONUP:
        case WM_XBUTTONDBLCLK: return true;
    }
    return false;
}

}  // namespace

void TargetWindow::RegisterClassOnce() {
    static std::once_flag once;
    std::call_once(once, [] {
        WNDCLASSW wc = {};
        // Double clicks arrive as WM_LBUTTONDBLCLK.
        wc.style = CS_DBLCLKS;
        wc.lpfnWndProc = TargetWindow::Proc;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
        wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
        wc.lpszClassName = kClassName;
        RegisterClassW(&wc);
    });
}

TargetWindow::TargetWindow(Content content, const std::string& title, const RECT& client) : content_(content) {
    thread_ = std::thread([this, title, client] { Run(title, client); });
    // The thread notes its identifier once the window exists (or failed).
    WaitUntil([this] {
        std::lock_guard<std::mutex> lock(mutex_);
        return threadId_ != 0;
    });
}

void TargetWindow::Run(const std::string& title, RECT client) {
    RegisterClassOnce();
    // A minimise box, as "Minimize all Windows" expects of the windows it takes down.
    const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
    RECT outer = client;
    AdjustWindowRectEx(&outer, style, FALSE, WS_EX_TOPMOST);
    const std::wstring wideTitle(title.begin(), title.end());  // ASCII titles
    const HWND hwnd = CreateWindowExW(WS_EX_TOPMOST, kClassName, wideTitle.c_str(), style, outer.left, outer.top,
                                      outer.right - outer.left, outer.bottom - outer.top, nullptr, nullptr,
                                      GetModuleHandleW(nullptr), this);
    if (hwnd) {
        ShowWindow(hwnd, SW_SHOW);
        UpdateWindow(hwnd);
    }
    {
        std::lock_guard<std::mutex> lock(mutex_);
        window_ = hwnd;  // also set in WM_NCCREATE; null when creation failed
        threadId_ = GetCurrentThreadId();
    }
    if (!hwnd) return;
    // The wide functions, as in any Unicode program: characters beyond the
    // ANSI code page reach the edit box whole.
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        if (msg.message == kBringToFront) {
            SetForegroundWindow(window_);
            SetActiveWindow(window_);
            SetFocus(FocusTarget());
            continue;
        }
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

TargetWindow::~TargetWindow() {
    // The thread ends with its window; a thread whose window failed has ended.
    const bool running = WaitUntil([this] {
        std::lock_guard<std::mutex> lock(mutex_);
        return threadId_ != 0;
    });
    if (running && window_) PostMessageA(window_, WM_CLOSE, 0, 0);
    if (thread_.joinable()) thread_.join();
}

LRESULT CALLBACK TargetWindow::Proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_NCCREATE) {
        auto* self = static_cast<TargetWindow*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
        self->window_ = hwnd;
    }
    auto* self = reinterpret_cast<TargetWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (!self) return DefWindowProcW(hwnd, msg, wParam, lParam);
    return self->OnMessage(msg, wParam, lParam);
}

LRESULT TargetWindow::OnMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    if (IsButtonMessage(msg)) {
        std::lock_guard<std::mutex> lock(mutex_);
        buttons_.push_back({msg, {short(LOWORD(lParam)), short(HIWORD(lParam))}, wParam});
        return 0;
    }
    switch (msg) {
        case WM_CREATE:
            if (content_ == Content::Edit) {
                edit_ = CreateWindowExW(0, L"EDIT", L"", WS_CHILD | WS_VISIBLE | ES_MULTILINE | ES_AUTOVSCROLL, 0, 0,
                                        10, 10, window_, nullptr, GetModuleHandleW(nullptr), nullptr);
                if (!edit_) return -1;
            }
            return 0;
        case WM_SETFOCUS:
            // Activation gives the focus to the edit box, as in any editor.
            if (edit_) SetFocus(edit_);
            return 0;
        case WM_SIZE:
            if (wParam == SIZE_MINIMIZED) {
                minimized_ = true;
            } else if (wParam == SIZE_RESTORED && minimized_) {
                minimized_ = false;
                restoreOrder_ = ++restoreCount_;
            }
            if (edit_) MoveWindow(edit_, 0, 0, LOWORD(lParam), HIWORD(lParam), TRUE);
            return 0;
        case WM_ERASEBKGND:
            if (content_ == Content::TwoColours) return 1;  // WM_PAINT covers everything
            break;
        case WM_PAINT:
            if (content_ == Content::TwoColours) {
                PAINTSTRUCT ps;
                const HDC dc = BeginPaint(window_, &ps);
                RECT r;
                GetClientRect(window_, &r);
                RECT top = r, bottom = r;
                top.bottom = bottom.top = r.top + (r.bottom - r.top) / 2;
                for (auto [rect, colour] : {std::pair{top, kTopColour}, std::pair{bottom, kBottomColour}}) {
                    const HBRUSH brush = CreateSolidBrush(colour);
                    FillRect(dc, &rect, brush);
                    DeleteObject(brush);
                }
                EndPaint(window_, &ps);
                return 0;
            }
            break;
        case WM_DESTROY: PostQuitMessage(0); return 0;
    }
    return DefWindowProcW(window_, msg, wParam, lParam);
}

bool TargetWindow::BringToFront(DWORD timeoutMs) {
    if (!window_) return false;
    PostThreadMessageA(threadId_, kBringToFront, 0, 0);
    return WaitUntil([this] { return GetForegroundWindow() == window_ && HasFocus(); }, timeoutMs);
}

bool TargetWindow::HasFocus() const {
    GUITHREADINFO info = {};
    info.cbSize = sizeof info;
    return GetGUIThreadInfo(threadId_, &info) && info.hwndFocus == FocusTarget();
}

std::string TargetWindow::Text() const {
    if (!edit_) return {};
    const LRESULT length = SendMessageA(edit_, WM_GETTEXTLENGTH, 0, 0);
    std::string text(size_t(length) + 1, '\0');
    const LRESULT copied = SendMessageA(edit_, WM_GETTEXT, WPARAM(text.size()), reinterpret_cast<LPARAM>(&text[0]));
    text.resize(size_t(copied));
    return text;
}

std::wstring TargetWindow::WideText() const {
    if (!edit_) return {};
    const LRESULT length = SendMessageW(edit_, WM_GETTEXTLENGTH, 0, 0);
    std::wstring text(size_t(length) + 1, L'\0');
    const LRESULT copied = SendMessageW(edit_, WM_GETTEXT, WPARAM(text.size()), reinterpret_cast<LPARAM>(&text[0]));
    text.resize(size_t(copied));
    return text;
}

void TargetWindow::ClearText() {
    if (edit_) SendMessageA(edit_, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(""));
}

std::vector<TargetWindow::ButtonMessage> TargetWindow::ButtonMessages() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return buttons_;
}

POINT TargetWindow::ToScreen(POINT client) const {
    ClientToScreen(window_, &client);
    return client;
}

}  // namespace kv::e2e
