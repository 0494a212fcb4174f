#pragma once
// The keyboard watch through a low-level keyboard hook (WH_KEYBOARD_LL). It
// runs on the GUI thread, which must keep dispatching messages while it is
// installed; the program installs it only while a macro runs or its
// shortcut is still held.
#include <windows.h>

#include <array>

#include "platform/KeyboardWatchApi.h"

namespace kv {

class Win32KeyboardWatch : public KeyboardWatchApi {
public:
    Win32KeyboardWatch() = default;
    ~Win32KeyboardWatch() override;
    Win32KeyboardWatch(const Win32KeyboardWatch&) = delete;
    Win32KeyboardWatch& operator=(const Win32KeyboardWatch&) = delete;

    // One watch per process: a second one refuses to start while the first runs.
    bool Start(KeyboardWatchEvents events) override;
    void Stop() override;
    bool Active() const override { return hook_ != nullptr && !unhookPending_; }
    bool IsKeyDown(std::uint8_t virtualKey) const override { return down_[virtualKey]; }
    bool IsModifierKeyHeld() const override;

private:
    static LRESULT CALLBACK HookProc(int code, WPARAM wParam, LPARAM lParam);
    static void CALLBACK UnhookLater(HWND, UINT, UINT_PTR timer, DWORD);
    void SetKey(BYTE virtualKey, bool down);
    void Unhook();

    static Win32KeyboardWatch* current_;
    HHOOK hook_ = nullptr;
    // Removing the hook from inside its own call upsets Wine's server for
    // good (later processes stop getting hotkeys): a stop asked for there
    // waits until the call has returned.
    bool inHook_ = false;
    bool unhookPending_ = false;
    std::array<bool, 256> down_{};
    KeyboardWatchEvents events_;
};

}  // namespace kv
