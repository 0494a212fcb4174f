#include "wingui/KeyPreview.h"

#include <commctrl.h>

#include "wingui/CommonControls.h"

namespace kv {

namespace {
const UINT_PTR kKeyPreviewSubclass = 0x4B50;  // "KP"
}

KeyPreview::~KeyPreview() { Detach(); }

void KeyPreview::Attach(HWND form, std::function<void(WORD)> onKeyDown) {
    Detach();
    onKeyDown_ = std::move(onKeyDown);
    for (HWND child = GetWindow(form, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (comctl::SetWindowSubclass(child, ChildProc, kKeyPreviewSubclass, reinterpret_cast<DWORD_PTR>(this))) {
            children_.push_back(child);
        }
    }
}

void KeyPreview::Detach() {
    for (HWND child : children_) {
        if (IsWindow(child)) comctl::RemoveWindowSubclass(child, ChildProc, kKeyPreviewSubclass);
    }
    children_.clear();
}

void KeyPreview::KeyDown(WORD key) const {
    if (onKeyDown_) onKeyDown_(key);
}

LRESULT CALLBACK KeyPreview::ChildProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR self) {
    if (msg == WM_KEYDOWN || msg == WM_SYSKEYDOWN) reinterpret_cast<KeyPreview*>(self)->KeyDown(WORD(wParam));
    if (msg == WM_NCDESTROY) comctl::RemoveWindowSubclass(hwnd, ChildProc, kKeyPreviewSubclass);
    return comctl::DefSubclassProc(hwnd, msg, wParam, lParam);
}

}  // namespace kv
