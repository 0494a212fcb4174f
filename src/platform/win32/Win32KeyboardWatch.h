#pragma once
// The keyboard watch through a low-level keyboard hook (WH_KEYBOARD_LL) on a
// thread of its own: the hook only records the key state and whether a real
// Esc was pressed, so the keys a macro injects never wait for the GUI thread.
// What the runner must hear of (Esc, a key going up) is posted to a
// message-only window of the thread that started the watch and raised there
// while that thread dispatches messages.
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
    bool IsKeyDown(std::uint8_t virtualKey) const override { return down_[virtualKey]; }
    bool IsModifierKeyHeld() const override;

private:
    static DWORD WINAPI HookThread(LPVOID self);
    static LRESULT CALLBACK HookProc(int code, WPARAM wParam, LPARAM lParam);
    void SetKey(BYTE virtualKey, bool down);
    // The key state read from the platform, on the hook thread and never
    // during a call of its hook. AtStart reads every key once the hook is in
    // place, before it is first called: every key event from then on reaches
    // the hook after the reading. One that another program's hook held at
    // that moment reaches the key state but not this hook, so Unconfirmed
    // reads again the keys read down that the hook has not reported since,
    // and reports those found up as gone up.
    enum class KeyReading { AtStart, Unconfirmed };
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
    OwnedKernelHandle ready_;  // the hook thread has installed its hook, or failed to
    bool hooked_ = false;      // written by the hook thread before ready_ is set
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
