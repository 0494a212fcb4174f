#include "platform/win32/Win32KeyboardWatch.h"

#include <algorithm>
#include <utility>

namespace kv {

namespace {

struct SidedKey {
    BYTE generic, left, right;
};
const SidedKey kSidedKeys[] = {
    {VK_SHIFT, VK_LSHIFT, VK_RSHIFT}, {VK_CONTROL, VK_LCONTROL, VK_RCONTROL}, {VK_MENU, VK_LMENU, VK_RMENU}};

// Posted to the watch's window: the hook recorded something to raise.
constexpr UINT kKeyboardNews = WM_APP + 0x4B;
// Posted to the hook thread: install the hook again, or lift it.
constexpr UINT kHookOn = WM_APP + 0x4C;
constexpr UINT kHookOff = WM_APP + 0x4D;
// How often the hook thread asks the platform about the keys that are down
// for the watch.
constexpr DWORD kRecheckMs = 25;

// The hotkey ids of Esc with each set of modifiers, on the watch's window: the
// program's own keys may hold Shift, Ctrl or Alt when the user presses Esc.
constexpr int kEscapeHotKeyBase = 0xB000;
constexpr UINT kEscapeModifierSets = 16;  // MOD_ALT | MOD_CONTROL | MOD_SHIFT | MOD_WIN

HHOOK InstallHook(HOOKPROC proc) { return SetWindowsHookExA(WH_KEYBOARD_LL, proc, GetModuleHandleA(nullptr), 0); }

bool AsyncKeyDown(int virtualKey) { return (GetAsyncKeyState(virtualKey) & 0x8000) != 0; }

}  // namespace

std::atomic<Win32KeyboardWatch*> Win32KeyboardWatch::current_{nullptr};

Win32KeyboardWatch::~Win32KeyboardWatch() { Stop(); }

bool Win32KeyboardWatch::Start(KeyboardWatchEvents events) {
    if (thread_) {
        events_ = std::move(events);
        return true;
    }
    Win32KeyboardWatch* none = nullptr;
    if (!current_.compare_exchange_strong(none, this)) return false;
    if (!window_) window_ = std::make_unique<MessageWindow>(static_cast<MessageReceiver*>(this), HWND_MESSAGE);
    if (!window_->Handle()) {
        current_ = nullptr;
        return false;
    }
    for (auto& bits : released_) bits = 0;
    escapePressed_ = false;
    notified_ = false;
    events_ = std::move(events);

    ready_.Reset(CreateEventA(nullptr, TRUE, FALSE, nullptr));
    hooked_ = false;
    if (ready_) thread_.Reset(CreateThread(nullptr, 0, HookThread, this, 0, &threadId_));
    if (thread_) {
        WaitForSingleObject(ready_.Get(), INFINITE);
        if (hooked_) return true;
        // The thread has ended: no hook, nothing to wait for.
        WaitForSingleObject(thread_.Get(), INFINITE);
        thread_.Reset();
    }
    current_ = nullptr;
    return false;
}

void Win32KeyboardWatch::Stop() {
    if (!thread_) return;
    if (burst_) UnregisterEscapeKeys();
    burst_ = false;
    // The hook thread unhooks outside any call of its hook and ends; what it
    // recorded and did not raise yet is dropped with it.
    PostThreadMessageA(threadId_, WM_QUIT, 0, 0);
    WaitForSingleObject(thread_.Get(), INFINITE);
    thread_.Reset();
    current_ = nullptr;
}

DWORD WINAPI Win32KeyboardWatch::HookThread(LPVOID self) {
    auto* watch = static_cast<Win32KeyboardWatch*>(self);
    MSG msg;
    // The thread's message queue, before anyone posts WM_QUIT to it.
    PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE);
    // The keys a macro injects wait for each call of the hook: it must get
    // the processor as soon as one comes.
    SetThreadPriority(GetCurrentThread(), THREAD_PRIORITY_TIME_CRITICAL);
    HHOOK hook = InstallHook(HookProc);
    if (hook) watch->ReadKeyState(KeyReading::AtStart);
    watch->hooked_ = hook != nullptr;
    SetEvent(watch->ready_.Get());
    if (!hook) return 1;
    // The hook is called while this thread waits for messages. While a key
    // read down has not been reported by the hook since, the platform is
    // asked again now and then: a key event that another program's hook held
    // while this one was installed reaches the key state, but never this hook.
    DWORD lastCheck = GetTickCount();
    for (;;) {
        DWORD wait = INFINITE;
        if (hook && watch->AnyUnconfirmedKey()) {
            const DWORD since = GetTickCount() - lastCheck;
            wait = since >= kRecheckMs ? 0 : kRecheckMs - since;
        }
        MsgWaitForMultipleObjects(0, nullptr, FALSE, wait, QS_ALLINPUT);
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (msg.message == WM_QUIT) {
                if (hook) UnhookWindowsHookEx(hook);
                return 0;
            }
            if (msg.hwnd || (msg.message != kHookOn && msg.message != kHookOff)) {
                DispatchMessageA(&msg);
                continue;
            }
            if (msg.message == kHookOff && hook) {
                UnhookWindowsHookEx(hook);
                hook = nullptr;
            } else if (msg.message == kHookOn && !hook) {
                hook = InstallHook(HookProc);
                if (hook) watch->ReadKeyState(KeyReading::AfterBurst);
            }
            watch->hooked_ = hook != nullptr;
            SetEvent(watch->ready_.Get());
        }
        if (hook && GetTickCount() - lastCheck >= kRecheckMs) {
            watch->ReadKeyState(KeyReading::Unconfirmed);
            lastCheck = GetTickCount();
        }
    }
}

bool Win32KeyboardWatch::SetHooked(bool hooked) {
    ResetEvent(ready_.Get());
    if (!PostThreadMessageA(threadId_, hooked ? kHookOn : kHookOff, 0, 0)) return false;
    WaitForSingleObject(ready_.Get(), INFINITE);
    return hooked_ == hooked;
}

bool Win32KeyboardWatch::RegisterEscapeKeys() {
    // Without Esc alone there is no burst; Esc with modifiers that another
    // program has taken stays with it.
    if (!RegisterHotKey(window_->Handle(), kEscapeHotKeyBase, 0, VK_ESCAPE)) return false;
    for (UINT modifiers = 1; modifiers < kEscapeModifierSets; ++modifiers)
        RegisterHotKey(window_->Handle(), kEscapeHotKeyBase + int(modifiers), modifiers, VK_ESCAPE);
    return true;
}

void Win32KeyboardWatch::UnregisterEscapeKeys() {
    for (UINT modifiers = 0; modifiers < kEscapeModifierSets; ++modifiers)
        UnregisterHotKey(window_->Handle(), kEscapeHotKeyBase + int(modifiers));
}

void Win32KeyboardWatch::SetOwnKeysBurst(bool on) {
    if (on == burst_ || !Active()) return;
    if (on) {
        // Esc is taken as a hotkey before the hook goes, so that no press
        // slips through; a user who must get Esc keeps the hook.
        if (!takeEscape_ || !RegisterEscapeKeys()) return;
        if (!SetHooked(false)) {
            UnregisterEscapeKeys();
            return;
        }
        burst_ = true;
        return;
    }
    // Without its hook back the watch stays in the burst: Esc still stops.
    if (!SetHooked(true)) return;
    UnregisterEscapeKeys();
    burst_ = false;
}

void Win32KeyboardWatch::ReadKeyState(KeyReading reading) {
    bool released = false;
    for (size_t key = 1; key < 256; ++key) {
        if (reading == KeyReading::Unconfirmed && !unconfirmed_[key]) continue;
        const bool down = AsyncKeyDown(int(key));
        if (reading != KeyReading::AtStart && down_[key] && !down) {
            released_[key / 32].fetch_or(std::uint32_t(1) << (key % 32));
            released = true;
        }
        down_[key] = down;
        unconfirmed_[key] = down;
    }
    if (released) Notify();
}

bool Win32KeyboardWatch::AnyUnconfirmedKey() const {
    return std::find(unconfirmed_.begin(), unconfirmed_.end(), true) != unconfirmed_.end();
}

bool Win32KeyboardWatch::IsKeyDown(std::uint8_t virtualKey) const {
    return burst_ ? AsyncKeyDown(virtualKey) : down_[virtualKey].load();
}

bool Win32KeyboardWatch::IsModifierKeyHeld() const {
    for (const SidedKey& key : kSidedKeys) {
        if (IsKeyDown(key.generic) || IsKeyDown(key.left) || IsKeyDown(key.right)) return true;
    }
    return IsKeyDown(VK_LWIN) || IsKeyDown(VK_RWIN);
}

void Win32KeyboardWatch::SetKey(BYTE virtualKey, bool down) {
    down_[virtualKey] = down;
    unconfirmed_[virtualKey] = false;
    for (const SidedKey& key : kSidedKeys) {
        // The hook reports sides; a generic report going up ends both.
        if (virtualKey == key.generic && !down) {
            down_[key.left] = down_[key.right] = false;
            unconfirmed_[key.left] = unconfirmed_[key.right] = false;
        }
        if (virtualKey == key.left || virtualKey == key.right) {
            down_[key.generic] = down_[key.left] || down_[key.right];
            unconfirmed_[key.generic] = false;
        }
    }
}

void Win32KeyboardWatch::Notify() {
    if (!notified_.exchange(true)) PostMessageA(window_->Handle(), kKeyboardNews, 0, 0);
}

LRESULT CALLBACK Win32KeyboardWatch::HookProc(int code, WPARAM wParam, LPARAM lParam) {
    // Stop ends this thread before it lets the watch go: the pointer holds
    // for every call.
    Win32KeyboardWatch* watch = current_;
    if (code != HC_ACTION || !watch) return CallNextHookEx(nullptr, code, wParam, lParam);

    const auto& key = *reinterpret_cast<const KBDLLHOOKSTRUCT*>(lParam);
    const BYTE virtualKey = BYTE(key.vkCode);
    const bool up = (key.flags & LLKHF_UP) != 0;
    watch->SetKey(virtualKey, !up);
    // The program's own keys are injected too: an {ESC} of the macro must
    // not stop it.
    if (virtualKey == VK_ESCAPE && !up && !(key.flags & LLKHF_INJECTED)) {
        watch->escapePressed_ = true;
        watch->Notify();
        // The Esc that stops a macro is meant for the program, not for the
        // window the macro types into.
        if (watch->takeEscape_) return 1;
    }
    if (up) {
        watch->released_[virtualKey / 32].fetch_or(std::uint32_t(1) << (virtualKey % 32));
        watch->Notify();
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

void Win32KeyboardWatch::WndProc(WindowMessage& message) {
    if (message.msg == WM_HOTKEY && message.wParam - kEscapeHotKeyBase < kEscapeModifierSets) {
        // Also when the burst ended since the press: it was the user's Esc.
        escapePressed_ = true;
        if (Active()) RaiseEvents();
        return;
    }
    if (message.msg != kKeyboardNews) {
        message.result = std::intptr_t(
            DefWindowProcA(window_->Handle(), message.msg, WPARAM(message.wParam), LPARAM(message.lParam)));
        return;
    }
    // Cleared first: what the hook records from now on is posted again.
    notified_ = false;
    if (Active()) RaiseEvents();
}

void Win32KeyboardWatch::RaiseEvents() {
    // A copy: a handler may stop the watch or start it with other events.
    const KeyboardWatchEvents events = events_;
    if (escapePressed_.exchange(false) && events.onEscape) events.onEscape();
    for (size_t word = 0; word < released_.size(); ++word) {
        std::uint32_t bits = released_[word].exchange(0);
        for (unsigned bit = 0; bits; ++bit, bits >>= 1) {
            if (!(bits & 1)) continue;
            if (!Active()) return;
            if (events.onKeyUp) events.onKeyUp(std::uint8_t(word * 32 + bit));
        }
    }
}

}  // namespace kv
