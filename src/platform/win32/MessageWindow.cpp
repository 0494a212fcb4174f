#include "platform/win32/MessageWindow.h"

#include "platform/win32/WindowProc.h"

namespace kv {

namespace {

const char* const kClassName = "KeyvaneMessageWindow";

// Hands a window's messages to its receiver as WindowMessages. Attached after
// CreateWindowExA returns, so the creation messages get the default
// processing: the receiver does not know its window yet.
class ReceiverTarget final : public WindowTarget {
public:
    explicit ReceiverTarget(MessageReceiver& receiver) : receiver_(receiver) {}

    LRESULT OnMessage(HWND, UINT msg, WPARAM wParam, LPARAM lParam) override {
        WindowMessage message;
        message.msg = msg;
        message.wParam = static_cast<std::uintptr_t>(wParam);
        message.lParam = static_cast<std::intptr_t>(lParam);
        receiver_.WndProc(message);
        return static_cast<LRESULT>(message.result);
    }
    // An escaped error gets the default processing (WindowTarget's): the
    // macros report their own errors before they get here.
    void OnWindowGone(HWND) override { delete this; }

private:
    MessageReceiver& receiver_;
};

bool RegisterReceiverClass() {
    static const bool registered = [] {
        WNDCLASSEXA wc = {};
        wc.cbSize = sizeof(wc);
        wc.lpfnWndProc = TargetWindowProc;
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
    if (hwnd && receiver) AttachTarget(hwnd, new ReceiverTarget(*receiver));
    return hwnd;
}

void DestroyReceiverWindow(HWND window) {
    // The receiver is detached first: the destruction messages do not reach it.
    auto* target = static_cast<ReceiverTarget*>(AttachedTarget(window));
    AttachTarget(window, nullptr);
    delete target;
    DestroyWindow(window);
}

}  // namespace kv
