#pragma once
// The keyboard watch through a low-level keyboard hook (WH_KEYBOARD_LL) on a
// thread of its own: the hook only records the key state and whether a real
// Esc was pressed, so the keys a macro injects never wait for the GUI thread.
// What the runner must hear of (Esc, a key going up) is posted to a
// message-only window of the thread that started the watch and raised there
// while that thread dispatches messages.
// Every key a program injects waits for a low-level hook, and under Wine that
// wait costs more than the key itself. In a burst of the program's own keys
// the hook is therefore lifted and Esc taken as a hotkey of that window.
#include <windows.h>

#include <array>
#include <atomic>
#include <cstdint>
#include <memory>

#include "platform/KeyboardWatchApi.h"
#include "platform/win32/MessageWindow.h"
#include "platform/win32/OwnedHandle.h"

namespace kv {

class Win32KeyboardWatch : public KeyboardWatchApi, private MessageReceiver {
public:
    Win32KeyboardWatch() = default;
    ~Win32KeyboardWatch() override;
    Win32KeyboardWatch(const Win32KeyboardWatch&) = delete;
    Win32KeyboardWatch& operator=(const Win32KeyboardWatch&) = delete;

    // One watch per process: a second one refuses to start while the first runs.
    bool Start(KeyboardWatchEvents events) override;
    void Stop() override;
    bool Active() const override { return thread_.Valid(); }
    void TakeEscape(bool take) override { takeEscape_ = take; }
    void SetOwnKeysBurst(bool on) override;
    bool OwnKeysBurst() const override { return burst_; }
    bool IsKeyDown(std::uint8_t virtualKey) const override;
    bool IsModifierKeyHeld() const override;

private:
    static DWORD WINAPI HookThread(LPVOID self);
    static LRESULT CALLBACK HookProc(int code, WPARAM wParam, LPARAM lParam);
    void SetKey(BYTE virtualKey, bool down);
    // Asks the hook thread to install or lift its hook and waits until it has.
    bool SetHooked(bool hooked);
    bool RegisterEscapeKeys();
    void UnregisterEscapeKeys();
    // The key state read from the platform, on the hook thread and never
    // during a call of its hook. AtStart and AfterBurst read every key once
    // the hook is in place, before it is first called: every key event from
    // then on reaches the hook after the reading. One that another program's
    // hook held at that moment reaches the key state but not this hook, so
    // Unconfirmed reads again the keys read down that the hook has not
    // reported since. Except at start, the keys found up are reported as
    // gone up.
    enum class KeyReading { AtStart, AfterBurst, Unconfirmed };
    void ReadKeyState(KeyReading reading);
    bool AnyUnconfirmedKey() const;
    // From the hook thread: one message on its way at a time.
    void Notify();
    void WndProc(WindowMessage& message) override;
    void RaiseEvents();

    static std::atomic<Win32KeyboardWatch*> current_;
    std::unique_ptr<MessageWindow> window_;  // on the thread that started the watch
    OwnedKernelHandle thread_;
    DWORD threadId_ = 0;
    OwnedKernelHandle ready_;  // the hook thread has installed or lifted its hook, or failed to
    bool hooked_ = false;      // written by the hook thread before ready_ is set
    bool burst_ = false;       // the hook is lifted, Esc is a hotkey
    KeyboardWatchEvents events_;

    // Shared with the hook thread.
    std::array<std::atomic<bool>, 256> down_{};
    std::array<std::atomic<std::uint32_t>, 8> released_{};  // keys gone up, not yet raised
    std::atomic<bool> escapePressed_{false};
    std::atomic<bool> takeEscape_{false};
    std::atomic<bool> notified_{false};

    // Only on the hook thread: keys read down that the hook has not reported since.
    std::array<bool, 256> unconfirmed_{};
};

}  // namespace kv
