#include "wingui/ModalForm.h"

#ifndef WM_DPICHANGED
#define WM_DPICHANGED 0x02E0
#endif

namespace kv {

namespace {

const DWORD kFormStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU;
// No WS_CLIPCHILDREN: forms paint the inside of their frames and group boxes.
const DWORD kFormExStyle = WS_EX_CONTROLPARENT | WS_EX_DLGMODALFRAME;

template <typename Function>
Function UserFunction(const char* name) {
    return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("user32.dll"), name)));
}

// The outer size of a form whose client area is width x height at dpi.
SIZE OuterSize(int width, int height, int dpi) {
    using AdjustForDpi = BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT);
    static const auto adjustForDpi = UserFunction<AdjustForDpi>("AdjustWindowRectExForDpi");
    RECT outer = {0, 0, width, height};
    if (!adjustForDpi || !adjustForDpi(&outer, kFormStyle, FALSE, kFormExStyle, UINT(dpi))) {
        AdjustWindowRectEx(&outer, kFormStyle, FALSE, kFormExStyle);
    }
    return SIZE{outer.right - outer.left, outer.bottom - outer.top};
}

bool IsComboBox(HWND hwnd) {
    char name[16] = {};
    GetClassNameA(hwnd, name, sizeof(name));
    return lstrcmpiA(name, "ComboBox") == 0;
}

// The caption without its accelerator mark ("&&", a literal "&", stays).
std::string WithoutAccelerator(const std::string& text) {
    std::string plain;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '&' && i + 1 < text.size() && text[i + 1] != '&') continue;
        plain += text[i];
        if (text[i] == '&') plain += text[++i];
    }
    return plain;
}

}  // namespace

int WindowDpi(HWND hwnd) {
    using GetDpi = UINT(WINAPI*)(HWND);
    static const auto getDpiForWindow = UserFunction<GetDpi>("GetDpiForWindow");
    if (hwnd && getDpiForWindow) {
        const UINT dpi = getDpiForWindow(hwnd);
        if (dpi > 0) return int(dpi);
    }
    return ScreenDpi();
}

ModalForm::ModalForm(const ModalFormArgs& args) : args_(args) {
    RegisterWindowClass(args.className, LoadCursor(nullptr, IDC_ARROW), GetSysColorBrush(COLOR_BTNFACE), args.icon);
    dpi_ = WindowDpi(args.owner);
    baseDpi_ = dpi_;
    fonts_.push_back({FontArgs{}, MakeFormFont(FontArgs{})});
    const SIZE size = args.outerSize ? SIZE{Scale(args.width, dpi_), Scale(args.height, dpi_)}
                                     : OuterSize(Scale(args.width, dpi_), Scale(args.height, dpi_), dpi_);
    Create(kFormExStyle, args.className, args.caption, kFormStyle, 0, 0, size.cx, size.cy, args.owner);
    CenterOnScreen(Handle(), size.cx, size.cy);
    SendMessageA(Handle(), WM_SETFONT, reinterpret_cast<WPARAM>(Font()), FALSE);
}

void ModalForm::HideKeyboardCues() {
    // The focus rectangles and the accelerators' underlines stay hidden
    // until the keyboard is used (the message loop shows them on Tab or Alt).
    SendMessageA(Handle(), WM_CHANGEUISTATE, MAKEWPARAM(UIS_SET, UISF_HIDEACCEL | UISF_HIDEFOCUS), 0);
    if (DefWindowProcA(Handle(), WM_QUERYUISTATE, 0, 0) & UISF_HIDEACCEL) return;
    // A platform that keeps no such state (Wine) draws every "&" of a
    // caption underlined: the captions lose their "&" until the keyboard is
    // used; Alt shows them again before its letter is looked up.
    for (HWND child = GetWindow(Handle(), GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        const std::string text = WindowText(child);
        const std::string plain = WithoutAccelerator(text);
        if (plain == text) continue;
        accelTexts_.push_back({child, text});
        SetWindowTextA(child, plain.c_str());
    }
}

void ModalForm::ChangeKeyboardCues(int action, UINT cues) {
    const UINT before = hiddenCues_;
    if (action == UIS_SET) hiddenCues_ |= cues;
    if (action == UIS_CLEAR) hiddenCues_ &= ~cues;
    if ((before & UISF_HIDEACCEL) && !(hiddenCues_ & UISF_HIDEACCEL)) {
        for (const auto& [control, text] : accelTexts_) {
            if (IsWindow(control)) SetWindowTextA(control, text.c_str());
        }
        accelTexts_.clear();
    }
    if (before == hiddenCues_) return;
    for (HWND child = GetWindow(Handle(), GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        InvalidateRect(child, nullptr, TRUE);
    }
}

OwnedFont ModalForm::MakeFormFont(const FontArgs& args) const {
    LOGFONTA lf = {};
    lf.lfHeight = -MulDiv(args.points, dpi_, 72);
    lf.lfWeight = args.bold ? FW_BOLD : FW_NORMAL;
    lf.lfUnderline = args.underline ? TRUE : FALSE;
    lf.lfCharSet = DEFAULT_CHARSET;
    lstrcpynA(lf.lfFaceName, args.face, LF_FACESIZE);
    return OwnedFont(CreateFontIndirectA(&lf));
}

HFONT ModalForm::AddFont(const FontArgs& args) {
    fonts_.push_back({args, MakeFormFont(args)});
    return fonts_.back().font.Get();
}

void ModalForm::ShowModal() {
    closed_ = false;
    HideKeyboardCues();
    MoveToFirstFocus();
    running_ = true;
    RunModalInOwnLoop(Handle(), args_.owner, closed_);
    running_ = false;
    Close();  // the program is ending, when it is not closed yet
}

void ModalForm::ShowModal(Win32MessageLoop& loop) {
    closed_ = false;
    HideKeyboardCues();
    MoveToFirstFocus();
    running_ = true;
    RunModal(loop, Handle(), args_.owner, closed_);
    running_ = false;
    Close();
}

void ModalForm::Close() {
    if (closed_) return;
    closed_ = true;
    OnClosed();
}

void ModalForm::MoveToFirstFocus() {
    HWND first = firstFocus_ ? firstFocus_ : GetNextDlgTabItem(Handle(), nullptr, FALSE);
    if (first) SetFocus(first);
    lastFocus_ = first;
}

void ModalForm::OnCommand(int, int, HWND) {}

void ModalForm::RememberPlacements() {
    placements_.clear();
    baseDpi_ = dpi_;
    for (HWND child = GetWindow(Handle(), GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        RECT r;
        GetWindowRect(child, &r);
        if (IsComboBox(child)) {
            // A drop-down list's height is that of its open list.
            RECT dropped;
            if (SendMessageA(child, CB_GETDROPPEDCONTROLRECT, 0, reinterpret_cast<LPARAM>(&dropped))) {
                r.bottom = r.top + (dropped.bottom - dropped.top);
            }
        }
        MapWindowPoints(nullptr, Handle(), reinterpret_cast<POINT*>(&r), 2);
        placements_.push_back({child, r});
    }
}

void ModalForm::ApplyDpi(int dpi, const RECT* suggested) {
    if (dpi <= 0) return;
    // The controls are placed from where they were at the first dpi, so
    // that changes back and forth do not add up rounding.
    if (placements_.empty()) RememberPlacements();
    const int old = dpi_;
    dpi_ = dpi;
    if (old != dpi) {
        std::vector<FormFont> previous;
        previous.swap(fonts_);
        for (FormFont& f : previous) fonts_.push_back({f.args, MakeFormFont(f.args)});
        for (HWND child = GetWindow(Handle(), GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
            const HFONT font = reinterpret_cast<HFONT>(SendMessageA(child, WM_GETFONT, 0, 0));
            for (std::size_t i = 0; i < previous.size(); ++i) {
                if (font == previous[i].font.Get()) {
                    SendMessageA(child, WM_SETFONT, reinterpret_cast<WPARAM>(fonts_[i].font.Get()), FALSE);
                }
            }
        }
        SendMessageA(Handle(), WM_SETFONT, reinterpret_cast<WPARAM>(Font()), FALSE);
        // previous goes here: no control holds its fonts any more.
    }
    for (const Placement& p : placements_) {
        if (!IsWindow(p.control)) continue;
        const RECT& b = p.bounds;
        MoveWindow(p.control, MulDiv(b.left, dpi, baseDpi_), MulDiv(b.top, dpi, baseDpi_),
                   MulDiv(b.right - b.left, dpi, baseDpi_), MulDiv(b.bottom - b.top, dpi, baseDpi_), FALSE);
    }
    RECT now, client;
    GetWindowRect(Handle(), &now);
    GetClientRect(Handle(), &client);
    // The frame as the window has it now, at the new dpi, around the client
    // area the form asks for.
    const SIZE size = args_.outerSize ? SIZE{Scale(args_.width, dpi), Scale(args_.height, dpi)}
                                      : SIZE{Scale(args_.width, dpi) + (now.right - now.left) - client.right,
                                             Scale(args_.height, dpi) + (now.bottom - now.top) - client.bottom};
    const POINT at = suggested ? POINT{suggested->left, suggested->top} : POINT{now.left, now.top};
    SetWindowPos(Handle(), nullptr, at.x, at.y, size.cx, size.cy, SWP_NOZORDER | SWP_NOACTIVATE);
    OnDpiChanged();
    InvalidateRect(Handle(), nullptr, TRUE);
    for (HWND child = GetWindow(Handle(), GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        InvalidateRect(child, nullptr, TRUE);
    }
}

LRESULT ModalForm::WndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
        case WM_COMMAND:
            // Esc comes as IDCANCEL, from IsDialogMessage or a Cancel button.
            if (LOWORD(wParam) == IDCANCEL && HIWORD(wParam) == BN_CLICKED) {
                OnCloseRequest();
            } else if (LOWORD(wParam) == IDOK && !lParam && defaultButton_) {
                OnCommand(defaultButton_, BN_CLICKED, GetDlgItem(Handle(), defaultButton_));
            } else {
                OnCommand(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam));
            }
            return 0;
        case WM_CLOSE: OnCloseRequest(); return 0;
        case DM_GETDEFID: return defaultButton_ ? MAKELRESULT(defaultButton_, DC_HASDEFID) : 0;
        case WM_NEXTDLGCTL: {
            // Sent by accelerators of labels and by multi-line text boxes
            // on Tab: what a dialog does with it.
            HWND next = lParam ? reinterpret_cast<HWND>(wParam)
                               : GetNextDlgTabItem(Handle(), GetFocus(), wParam ? TRUE : FALSE);
            if (next) {
                SetFocus(next);
                if (SendMessageA(next, WM_GETDLGCODE, 0, 0) & DLGC_HASSETSEL) SendMessageA(next, EM_SETSEL, 0, -1);
            }
            return 0;
        }
        case WM_ACTIVATE:
            if (LOWORD(wParam) == WA_INACTIVE) {
                const HWND focus = GetFocus();
                if (focus && IsChild(Handle(), focus)) lastFocus_ = focus;
            } else if (lastFocus_ && IsWindow(lastFocus_) && IsWindowVisible(lastFocus_) &&
                       IsWindowEnabled(lastFocus_)) {
                SetFocus(lastFocus_);
                return 0;
            } else if (running_) {
                MoveToFirstFocus();
                return 0;
            }
            break;
        case WM_CHANGEUISTATE:
            ChangeKeyboardCues(LOWORD(wParam), HIWORD(wParam));
            break;  // the platform passes it on to the controls
        case WM_QUERYUISTATE: return hiddenCues_;
        case WM_DPICHANGED: ApplyDpi(HIWORD(wParam), reinterpret_cast<const RECT*>(lParam)); return 0;
    }
    return Window::WndProc(msg, wParam, lParam);
}

}  // namespace kv
