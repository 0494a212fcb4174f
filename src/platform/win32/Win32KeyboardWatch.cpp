#include "platform/win32/Win32KeyboardWatch.h"

#include <utility>

namespace kv {

namespace {

struct SidedKey {
    BYTE generic, left, right;
};
const SidedKey kSidedKeys[] = {
    {VK_SHIFT, VK_LSHIFT, VK_RSHIFT}, {VK_CONTROL, VK_LCONTROL, VK_RCONTROL}, {VK_MENU, VK_LMENU, VK_RMENU}};

}  // namespace

Win32KeyboardWatch* Win32KeyboardWatch::current_ = nullptr;

Win32KeyboardWatch::~Win32KeyboardWatch() { Unhook(); }

bool Win32KeyboardWatch::Start(KeyboardWatchEvents events) {
    if (hook_ && unhookPending_) {
        // Still installed: keep it, with the new events.
        unhookPending_ = false;
        events_ = std::move(events);
        return true;
    }
    if (hook_) return true;
    if (current_) return false;
    // The state when the watch begins; the hook's reports keep it current.
    for (int key = 1; key < 256; ++key) down_[size_t(key)] = (GetAsyncKeyState(key) & 0x8000) != 0;
    events_ = std::move(events);
    hook_ = SetWindowsHookExA(WH_KEYBOARD_LL, HookProc, GetModuleHandleA(nullptr), 0);
    if (hook_) current_ = this;
    return hook_ != nullptr;
}

void Win32KeyboardWatch::Stop() {
    if (!hook_) return;
    if (inHook_) {
        unhookPending_ = true;
        return;
    }
    Unhook();
}

void Win32KeyboardWatch::Unhook() {
    if (!hook_) return;
    UnhookWindowsHookEx(hook_);
    hook_ = nullptr;
    current_ = nullptr;
    unhookPending_ = false;
}

void CALLBACK Win32KeyboardWatch::UnhookLater(HWND, UINT, UINT_PTR timer, DWORD) {
    KillTimer(nullptr, timer);
    if (current_ && current_->unhookPending_) current_->Unhook();
}

bool Win32KeyboardWatch::IsModifierKeyHeld() const {
    for (const SidedKey& key : kSidedKeys) {
        if (down_[key.generic] || down_[key.left] || down_[key.right]) return true;
    }
    return down_[VK_LWIN] || down_[VK_RWIN];
}

void Win32KeyboardWatch::SetKey(BYTE virtualKey, bool down) {
    down_[virtualKey] = down;
    for (const SidedKey& key : kSidedKeys) {
        // The hook reports sides; a generic report going up ends both.
        if (virtualKey == key.generic && !down) down_[key.left] = down_[key.right] = false;
        if (virtualKey == key.left || virtualKey == key.right) down_[key.generic] = down_[key.left] || down_[key.right];
    }
}

LRESULT CALLBACK Win32KeyboardWatch::HookProc(int code, WPARAM wParam, LPARAM lParam) {
    Win32KeyboardWatch* watch = current_;
    if (code != HC_ACTION || !watch) return CallNextHookEx(nullptr, code, wParam, lParam);

    const auto& key = *reinterpret_cast<const KBDLLHOOKSTRUCT*>(lParam);
    const BYTE virtualKey = BYTE(key.vkCode);
    const bool up = (key.flags & LLKHF_UP) != 0;
    // The program's own keys are injected too: an {ESC} of the macro must
    // not stop it.
    const bool escape = virtualKey == VK_ESCAPE && !up && !(key.flags & LLKHF_INJECTED);
    watch->SetKey(virtualKey, !up);

    // A copy: a handler may stop the watch.
    const KeyboardWatchEvents events = watch->events_;
    watch->inHook_ = true;
    LRESULT result = 0;
    if (escape && events.onEscape && events.onEscape()) {
        // The Esc that stopped a macro was meant for the program, not for the
        // window the macro types into.
        result = 1;
    } else {
        result = CallNextHookEx(nullptr, code, wParam, lParam);
        if (up && events.onKeyUp) events.onKeyUp(virtualKey);
    }
    watch->inHook_ = false;
    // A thread timer: dispatched with the next messages, after this call.
    if (watch->unhookPending_) SetTimer(nullptr, 0, 0, UnhookLater);
    return result;
}

}  // namespace kv
