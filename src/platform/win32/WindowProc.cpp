#include "platform/win32/WindowProc.h"

#include <exception>

namespace kv {

LRESULT WindowTarget::OnEscapedError(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, const char*) {
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

void AttachTarget(HWND hwnd, WindowTarget* target) {
    SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(target));
}

WindowTarget* AttachedTarget(HWND hwnd) {
    return reinterpret_cast<WindowTarget*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
}

LRESULT CALLBACK TargetWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_NCCREATE) {
        if (auto* target = static_cast<WindowTarget*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams)) {
            AttachTarget(hwnd, target);
        }
    }
    WindowTarget* target = AttachedTarget(hwnd);
    if (!target) return DefWindowProcA(hwnd, msg, wParam, lParam);
    LRESULT result;
    try {
        result = target->OnMessage(hwnd, msg, wParam, lParam);
    } catch (const std::exception& error) {
        result = target->OnEscapedError(hwnd, msg, wParam, lParam, error.what());
    } catch (...) {
        result = target->OnEscapedError(hwnd, msg, wParam, lParam, "Unexpected error");
    }
    if (msg == WM_NCDESTROY && AttachedTarget(hwnd) == target) {
        AttachTarget(hwnd, nullptr);
        target->OnWindowGone(hwnd);
    }
    return result;
}

}  // namespace kv
