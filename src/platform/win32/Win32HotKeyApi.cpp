#include "platform/win32/Win32HotKeyApi.h"

#include <windows.h>

#include "platform/win32/MessageWindow.h"

namespace kv {

namespace {

HWND ToHwnd(WindowHandle window) { return reinterpret_cast<HWND>(window); }
WindowHandle FromHwnd(HWND hwnd) { return reinterpret_cast<WindowHandle>(hwnd); }

}  // namespace

Win32HotKeyApi::Win32HotKeyApi() = default;
Win32HotKeyApi::~Win32HotKeyApi() = default;

std::uint16_t Win32HotKeyApi::AddGlobalAtom(const std::string& name) { return GlobalAddAtomA(name.c_str()); }

void Win32HotKeyApi::DeleteAtom(std::uint16_t atom) { GlobalDeleteAtom(atom); }

bool Win32HotKeyApi::RegisterHotKey(WindowHandle window, int id, unsigned modifiers, unsigned virtualKey) {
    return ::RegisterHotKey(ToHwnd(window), id, modifiers, virtualKey) != FALSE;
}

bool Win32HotKeyApi::UnregisterHotKey(WindowHandle window, int id) {
    return ::UnregisterHotKey(ToHwnd(window), id) != FALSE;
}

WindowHandle Win32HotKeyApi::CreateMessageWindow(MessageReceiver& receiver) {
    // A message-only window: never shown, never enumerated, and still the
    // target of WM_HOTKEY.
    return FromHwnd(CreateReceiverWindow(&receiver, HWND_MESSAGE));
}

void Win32HotKeyApi::DestroyMessageWindow(WindowHandle window) {
    if (window) DestroyReceiverWindow(ToHwnd(window));
}

std::intptr_t Win32HotKeyApi::DefaultWindowProc(WindowHandle window, const WindowMessage& message) {
    return DefWindowProcA(ToHwnd(window), message.msg, static_cast<WPARAM>(message.wParam),
                          static_cast<LPARAM>(message.lParam));
}

WindowHandle Win32HotKeyApi::ApplicationWindow() {
    if (applicationWindow_) return applicationWindow_;
    if (!ownApplicationWindow_) ownApplicationWindow_ = std::make_unique<MessageWindow>(nullptr, nullptr);
    return FromHwnd(ownApplicationWindow_->Handle());
}

unsigned Win32HotKeyApi::MapVirtualKeyCode(unsigned code, unsigned mapType) { return ::MapVirtualKeyA(code, mapType); }

std::string Win32HotKeyApi::KeyNameText(std::int32_t keyData) {
    char name[256] = {};
    ::GetKeyNameTextA(keyData, name, sizeof(name));
    name[sizeof(name) - 1] = '\0';
    return name;
}

}  // namespace kv
