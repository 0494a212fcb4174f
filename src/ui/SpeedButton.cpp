#include "ui/SpeedButton.h"

#include "ui/Win.h"

namespace kv {

namespace {

const char* const kSpeedButtonClass = "KvSpeedButton";
const char* const kPanelClass = "KvPanel";

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

void SpeedButton::Create(HWND parent, int id, const RECT& bounds, HIMAGELIST images, int image, int groupIndex,
                         bool visible) {
    RegisterWindowClass(kSpeedButtonClass, LoadCursor(nullptr, IDC_HAND), nullptr);
    id_ = id;
    images_ = images;
    image_ = image;
    groupIndex_ = groupIndex;
    const DWORD style = WS_CHILD | WS_CLIPSIBLINGS | (visible ? WS_VISIBLE : 0);
    Window::Create(0, kSpeedButtonClass, "", style, bounds.left, bounds.top, bounds.right - bounds.left,
                   bounds.bottom - bounds.top, parent, reinterpret_cast<HMENU>(INT_PTR(id)));
}

void SpeedButton::SetDown(bool down) {
    if (down == down_) return;
    down_ = down;
    if (down && groupIndex_ != 0) {
        // Puts the other buttons of the group up.
        for (HWND sibling = GetWindow(GetParent(Handle()), GW_CHILD); sibling;
             sibling = GetWindow(sibling, GW_HWNDNEXT)) {
            auto* other = dynamic_cast<SpeedButton*>(FromHandle(sibling));
            if (other && other != this && other->groupIndex_ == groupIndex_) other->SetDown(false);
        }
    }
    InvalidateRect(Handle(), nullptr, TRUE);
}

void SpeedButton::Click() {
    if (groupIndex_ != 0) SetDown(true);
    SendMessageA(GetParent(Handle()), WM_COMMAND, MAKEWPARAM(id_, BN_CLICKED), reinterpret_cast<LPARAM>(Handle()));
}

bool SpeedButton::ContainsPoint(LPARAM lParam) const {
    RECT rc;
    GetClientRect(Handle(), &rc);
    const POINT pt = {short(LOWORD(lParam)), short(HIWORD(lParam))};
    return PtInRect(&rc, pt) != FALSE;
}

void SpeedButton::SetHot(bool hot) {
    if (hot == hot_) return;
    hot_ = hot;
    if (hot) {
        // Asks for WM_MOUSELEAVE to take the frame away again.
        TRACKMOUSEEVENT tme = {sizeof(tme), TME_LEAVE, Handle(), 0};
        TrackMouseEvent(&tme);
    }
    InvalidateRect(Handle(), nullptr, TRUE);
}

LRESULT SpeedButton::WndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
        case WM_PAINT: {
            PAINTSTRUCT ps;
            HDC dc = BeginPaint(Handle(), &ps);
            Paint(dc);
            EndPaint(Handle(), &ps);
            return 0;
        }
        case WM_ERASEBKGND:
            return 1;  // Paint fills the whole face
        case WM_MOUSEMOVE:
            SetHot(ContainsPoint(lParam));
            return 0;
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
            if (wasPressed && ContainsPoint(lParam)) Click();
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

void SpeedButton::Paint(HDC dc) {
    RECT rc;
    GetClientRect(Handle(), &rc);
    const bool sunken = pressed_ && hot_ ? true : down_;
    FillRect(dc, &rc, down_ && !pressed_ ? DownFaceBrush() : GetSysColorBrush(COLOR_BTNFACE));
    if (sunken) {
        DrawEdge(dc, &rc, BDR_SUNKENOUTER, BF_RECT);
    } else if (hot_ || pressed_) {
        DrawEdge(dc, &rc, BDR_RAISEDINNER, BF_RECT);
    }
    if (images_ && image_ >= 0) {
        int cx = 0, cy = 0;
        ImageList_GetIconSize(images_, &cx, &cy);
        int x = (rc.right - cx) / 2;
        int y = (rc.bottom - cy) / 2;
        if (sunken) {
            ++x;
            ++y;
        }
        ImageList_Draw(images_, image_, dc, x, y, ILD_TRANSPARENT);
    }
}

void Panel::Create(HWND parent, int id, const RECT& bounds) {
    RegisterWindowClass(kPanelClass, LoadCursor(nullptr, IDC_ARROW), GetSysColorBrush(COLOR_BTNFACE));
    Window::Create(WS_EX_CONTROLPARENT, kPanelClass, "", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, bounds.left,
                   bounds.top, bounds.right - bounds.left, bounds.bottom - bounds.top, parent,
                   reinterpret_cast<HMENU>(INT_PTR(id)));
}

LRESULT Panel::WndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
        case WM_COMMAND:
        case WM_NOTIFY:
            return SendMessageA(GetParent(Handle()), msg, wParam, lParam);
    }
    return Window::WndProc(msg, wParam, lParam);
}

void AddHint(HWND tip, HWND control, const char* text) {
    TTTOOLINFOA ti = {};
    ti.cbSize = TTTOOLINFOA_V2_SIZE;
    ti.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    ti.hwnd = GetParent(control);
    ti.uId = reinterpret_cast<UINT_PTR>(control);
    ti.lpszText = const_cast<char*>(text);
    SendMessageA(tip, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&ti));
}

}  // namespace kv
