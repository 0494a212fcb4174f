#include "wingui/SpeedButton.h"

namespace kv {

namespace {

const char* const kSpeedButtonClass = "KvSpeedButton";
const char* const kPanelClass = "KvPanel";

}  // namespace

void SpeedButton::Create(HWND parent, int id, const RECT& bounds, HIMAGELIST images, int image, int groupIndex,
                         bool visible) {
    groupIndex_ = groupIndex;
    const DWORD style = WS_CHILD | WS_CLIPSIBLINGS | (visible ? WS_VISIBLE : 0);
    CreateButton(kSpeedButtonClass, LoadCursor(nullptr, IDC_HAND), parent, id, bounds, style,
                 Look{"", nullptr, images, image});
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
    FlatButton::Click();
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
        case WM_NOTIFY: return SendMessageA(GetParent(Handle()), msg, wParam, lParam);
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
