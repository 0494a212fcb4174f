#include "wingui/ControlKeys.h"

#include <commctrl.h>

#include "wingui/CommonControls.h"

namespace kv {

namespace {

constexpr UINT_PTR kSubclassId = 0x4B56;  // one preview per control

LRESULT CALLBACK PreviewProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR data) {
    auto* handler = reinterpret_cast<KeyHandler*>(data);
    if (msg == WM_KEYDOWN && (*handler)(UINT(wParam))) return 0;
    if (msg == WM_NCDESTROY) {
        comctl::RemoveWindowSubclass(hwnd, PreviewProc, kSubclassId);
        delete handler;
    }
    return comctl::DefSubclassProc(hwnd, msg, wParam, lParam);
}

bool Held(int key) { return (GetKeyState(key) & 0x8000) != 0; }

}  // namespace

void PreviewKeys(HWND control, KeyHandler onKeyDown) {
    auto* handler = new KeyHandler(std::move(onKeyDown));
    if (!comctl::SetWindowSubclass(control, PreviewProc, kSubclassId, reinterpret_cast<DWORD_PTR>(handler)))
        delete handler;
}

bool CtrlOnly() { return Held(VK_CONTROL) && !Held(VK_MENU) && !Held(VK_SHIFT); }

}  // namespace kv
