#pragma once
// Hidden windows whose messages go to a MessageReceiver: the hotkey
// component's window and, when the program sets none, an application window.
#include <windows.h>

#include "platform/Types.h"

namespace kv {

// Creates a hidden window of the receiver class. parent HWND_MESSAGE makes a
// message-only window, nullptr an invisible top-level window. A null receiver
// leaves every message to DefWindowProcA. nullptr on failure.
HWND CreateReceiverWindow(MessageReceiver* receiver, HWND parent);

// Detaches the receiver, so the destruction messages do not reach it, and
// destroys the window.
void DestroyReceiverWindow(HWND window);

// Owns a window made by CreateReceiverWindow.
class MessageWindow {
public:
    MessageWindow(MessageReceiver* receiver, HWND parent) : hwnd_(CreateReceiverWindow(receiver, parent)) {}
    ~MessageWindow() {
        if (hwnd_) DestroyReceiverWindow(hwnd_);
    }
    MessageWindow(const MessageWindow&) = delete;
    MessageWindow& operator=(const MessageWindow&) = delete;

    HWND Handle() const { return hwnd_; }

private:
    HWND hwnd_;
};

}  // namespace kv
