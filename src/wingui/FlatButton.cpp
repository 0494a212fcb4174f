#include "wingui/FlatButton.h"

#include "wingui/CommonControls.h"
#include "wingui/ModalForm.h"
#include "wingui/WindowHelpers.h"

namespace kv {

namespace {

// The dotted face of a flat button that stays down: button face and
// highlight in a checkerboard.
HBRUSH DownFaceBrush() {
    static OwnedBrush brush = [] {
        const COLORREF face = GetSysColor(COLOR_BTNFACE);
        const COLORREF light = GetSysColor(COLOR_BTNHIGHLIGHT);
        BITMAPINFO bi = {};
        bi.bmiHeader.biSize = sizeof(bi.bmiHeader);
        bi.bmiHeader.biWidth = 8;
        bi.bmiHeader.biHeight = 8;
        bi.bmiHeader.biPlanes = 1;
        bi.bmiHeader.biBitCount = 32;
        bi.bmiHeader.biCompression = BI_RGB;
        DWORD pixels[64];
        for (int i = 0; i < 64; ++i) {
            const COLORREF c = ((i / 8 + i % 8) % 2) ? light : face;
            pixels[i] = (GetRValue(c) << 16) | (GetGValue(c) << 8) | GetBValue(c);
        }
        WindowDC screen(nullptr);
        OwnedBitmap bitmap(CreateDIBitmap(screen.Get(), &bi.bmiHeader, CBM_INIT, pixels, &bi, DIB_RGB_COLORS));
        return OwnedBrush(CreatePatternBrush(bitmap.Get()));
    }();
    return brush.Get();
}

}  // namespace

void FlatButton::CreateButton(const char* className, HCURSOR cursor, HWND parent, int id, const RECT& bounds,
                              DWORD style, const Look& look) {
    RegisterWindowClass(className, cursor, nullptr);
    id_ = id;
    caption_ = look.caption ? look.caption : "";
    font_ = look.font;
    images_ = look.images;
    image_ = look.image;
    Window::Create(0, className, caption_.c_str(), style | WS_TABSTOP, bounds.left, bounds.top,
                   bounds.right - bounds.left, bounds.bottom - bounds.top, parent,
                   reinterpret_cast<HMENU>(INT_PTR(id)));
}

void FlatButton::Click() {
    SendMessageA(GetParent(Handle()), WM_COMMAND, MAKEWPARAM(id_, BN_CLICKED), reinterpret_cast<LPARAM>(Handle()));
}

void FlatButton::SetImages(HIMAGELIST images) {
    images_ = images;
    InvalidateRect(Handle(), nullptr, TRUE);
}

bool FlatButton::Contains(LPARAM lParam) const {
    RECT rc;
    GetClientRect(Handle(), &rc);
    const POINT pt = {short(LOWORD(lParam)), short(HIWORD(lParam))};
    return PtInRect(&rc, pt) != FALSE;
}

void FlatButton::SetHot(bool hot) {
    if (hot == hot_) return;
    hot_ = hot;
    if (hot) {
        // Asks for WM_MOUSELEAVE to take the frame away again.
        TRACKMOUSEEVENT tme = {sizeof(tme), TME_LEAVE, Handle(), 0};
        TrackMouseEvent(&tme);
    }
    InvalidateRect(Handle(), nullptr, TRUE);
}

LRESULT FlatButton::WndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
        case WM_PAINT: {
            PAINTSTRUCT ps;
            HDC dc = BeginPaint(Handle(), &ps);
            Paint(dc);
            EndPaint(Handle(), &ps);
            return 0;
        }
        case WM_PRINTCLIENT: Paint(reinterpret_cast<HDC>(wParam)); return 0;
        case WM_ERASEBKGND: return 1;  // Paint fills the whole face
        case WM_SETFONT:
            // The form's font after a change of dpi.
            font_ = reinterpret_cast<HFONT>(wParam);
            if (LOWORD(lParam)) InvalidateRect(Handle(), nullptr, TRUE);
            return 0;
        case WM_GETFONT: return reinterpret_cast<LRESULT>(font_);
        case WM_SETTEXT: {
            // The caption follows the window text (the modal form takes the
            // accelerator's "&" out and puts it back).
            const LRESULT result = Window::WndProc(msg, wParam, lParam);
            caption_ = lParam ? reinterpret_cast<const char*>(lParam) : "";
            InvalidateRect(Handle(), nullptr, TRUE);
            return result;
        }
        case WM_ENABLE:
        case WM_SETFOCUS: InvalidateRect(Handle(), nullptr, TRUE); return 0;
        case WM_KILLFOCUS:
            spaceDown_ = false;
            InvalidateRect(Handle(), nullptr, TRUE);
            return 0;
        case WM_UPDATEUISTATE: {
            // The focus rectangle and the underline follow the keyboard cues.
            const LRESULT result = Window::WndProc(msg, wParam, lParam);
            InvalidateRect(Handle(), nullptr, TRUE);
            return result;
        }
        case WM_GETDLGCODE: {
            // A button for the dialog keys (its accelerator clicks it), which
            // takes Enter itself, so that Enter presses the focused button
            // rather than the form's default one.
            const MSG* key = reinterpret_cast<const MSG*>(lParam);
            if (key && key->message == WM_KEYDOWN && key->wParam == VK_RETURN) return DLGC_BUTTON | DLGC_WANTMESSAGE;
            return DLGC_BUTTON;
        }
        case WM_KEYDOWN:
            if (wParam == VK_SPACE && !(lParam & 0x40000000)) {
                spaceDown_ = true;
                InvalidateRect(Handle(), nullptr, TRUE);
            } else if (wParam == VK_RETURN) {
                Click();
            }
            return 0;
        case WM_KEYUP:
            if (wParam == VK_SPACE && spaceDown_) {
                spaceDown_ = false;
                InvalidateRect(Handle(), nullptr, TRUE);
                Click();
            }
            return 0;
        case BM_CLICK: Click(); return 0;
        case WM_MOUSEMOVE: SetHot(Contains(lParam)); return 0;
        case WM_MOUSELEAVE:
            hot_ = true;  // SetHot only acts on a change
            SetHot(false);
            return 0;
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
            pressed_ = true;
            SetCapture(Handle());
            InvalidateRect(Handle(), nullptr, TRUE);
            return 0;
        case WM_LBUTTONUP: {
            const bool wasPressed = pressed_;
            pressed_ = false;
            if (GetCapture() == Handle()) ReleaseCapture();
            InvalidateRect(Handle(), nullptr, TRUE);
            if (wasPressed && Contains(lParam)) Click();
            return 0;
        }
        case WM_CAPTURECHANGED:
            if (pressed_) {
                pressed_ = false;
                InvalidateRect(Handle(), nullptr, TRUE);
            }
            return 0;
    }
    return Window::WndProc(msg, wParam, lParam);
}

void FlatButton::Paint(HDC dc) {
    RECT rc;
    GetClientRect(Handle(), &rc);
    const bool sunken = (pressed_ && hot_) || spaceDown_ || down_;
    FillRect(dc, &rc, down_ && !pressed_ ? DownFaceBrush() : GetSysColorBrush(COLOR_BTNFACE));
    if (sunken) {
        DrawEdge(dc, &rc, BDR_SUNKENOUTER, BF_RECT);
    } else if (hot_ || pressed_) {
        DrawEdge(dc, &rc, BDR_RAISEDINNER, BF_RECT);
    }
    const bool enabled = IsWindowEnabled(Handle()) != FALSE;
    PaintImage(dc, rc, sunken, enabled);
    PaintCaption(dc, rc, sunken, enabled);
    if (GetFocus() == Handle() && !KeyboardCueHidden(Handle(), UISF_HIDEFOCUS)) {
        RECT focus = rc;
        InflateRect(&focus, -2, -2);
        SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
        SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
        DrawFocusRect(dc, &focus);
    }
}

void FlatButton::PaintImage(HDC dc, const RECT& rc, bool sunken, bool enabled) {
    if (!images_ || image_ < 0) return;
    int cx = 0, cy = 0;
    comctl::ImageList_GetIconSize(images_, &cx, &cy);
    const int x = (rc.right - cx) / 2 + (sunken ? 1 : 0);
    const int y = (rc.bottom - cy) / 2 + (sunken ? 1 : 0);
    if (enabled) {
        comctl::ImageList_Draw(images_, image_, dc, x, y, ILD_TRANSPARENT);
    } else {
        HICON icon = comctl::ImageList_GetIcon(images_, image_, ILD_TRANSPARENT);
        DrawStateA(dc, nullptr, nullptr, reinterpret_cast<LPARAM>(icon), 0, x, y, cx, cy, DST_ICON | DSS_DISABLED);
        DestroyIcon(icon);
    }
}

void FlatButton::PaintCaption(HDC dc, const RECT& rc, bool sunken, bool enabled) {
    if (caption_.empty()) return;
    Selected font(dc, font_ ? static_cast<HGDIOBJ>(font_) : GetStockObject(DEFAULT_GUI_FONT));
    SetBkMode(dc, TRANSPARENT);
    RECT text = rc;
    if (sunken) OffsetRect(&text, 1, 1);
    const bool hideAccel = KeyboardCueHidden(Handle(), UISF_HIDEACCEL);
    const UINT format = DT_CENTER | DT_VCENTER | DT_SINGLELINE | (hideAccel ? DT_HIDEPREFIX : 0);
    if (enabled) {
        SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
        DrawTextA(dc, caption_.c_str(), -1, &text, format);
    } else {
        // Engraved: a highlight one pixel down and right under the grey text.
        OffsetRect(&text, 1, 1);
        SetTextColor(dc, GetSysColor(COLOR_BTNHIGHLIGHT));
        DrawTextA(dc, caption_.c_str(), -1, &text, format);
        OffsetRect(&text, -1, -1);
        SetTextColor(dc, GetSysColor(COLOR_GRAYTEXT));
        DrawTextA(dc, caption_.c_str(), -1, &text, format);
    }
}

}  // namespace kv
