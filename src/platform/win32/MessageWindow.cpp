#include "platform/win32/MessageWindow.h"

namespace kv {

namespace {

const char* const kClassName = "KeyvaneMessageWindow";

// The receiver is attached after CreateWindowExA returns, so the creation
// messages go to DefWindowProcA: the receiver does not know its window yet.
LRESULT CALLBACK ReceiverWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    auto* receiver = reinterpret_cast<MessageReceiver*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    if (!receiver) return DefWindowProcA(hwnd, msg, wParam, lParam);
    WindowMessage message;
    message.msg = msg;
    message.wParam = static_cast<std::uintptr_t>(wParam);
    message.lParam = static_cast<std::intptr_t>(lParam);
    try {
        receiver->WndProc(message);
    } catch (...) {
        // Nothing may unwind through the system's frames; the macros report
        // their own errors before they get here.
        return DefWindowProcA(hwnd, msg, wParam, lParam);
    }
    return static_cast<LRESULT>(message.result);
}

bool RegisterReceiverClass() {
    static const bool registered = [] {
        WNDCLASSEXA wc = {};
        wc.cbSize = sizeof(wc);
        wc.lpfnWndProc = ReceiverWindowProc;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.lpszClassName = kClassName;
        return RegisterClassExA(&wc) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
    }();
    return registered;
}

}  // namespace

HWND CreateReceiverWindow(MessageReceiver* receiver, HWND parent) {
    if (!RegisterReceiverClass()) return nullptr;
    HWND hwnd = CreateWindowExA(0, kClassName, "", 0, 0, 0, 0, 0, parent, nullptr, GetModuleHandleA(nullptr), nullptr);
    if (hwnd && receiver) SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(receiver));
    return hwnd;
}

void DestroyReceiverWindow(HWND window) {
    SetWindowLongPtrA(window, GWLP_USERDATA, 0);
    DestroyWindow(window);
}

}  // namespace kv
