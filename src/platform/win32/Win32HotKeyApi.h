#pragma once
// Global atoms, hotkey registration and key names through kernel32/user32.
#include <memory>

#include "platform/HotKeyApi.h"

namespace kv {

class MessageWindow;

class Win32HotKeyApi : public HotKeyApi {
public:
    Win32HotKeyApi();
    ~Win32HotKeyApi() override;

    std::uint16_t AddGlobalAtom(const std::string& name) override;
    void DeleteAtom(std::uint16_t atom) override;
    bool RegisterHotKey(WindowHandle window, int id, unsigned modifiers, unsigned virtualKey) override;
    bool UnregisterHotKey(WindowHandle window, int id) override;
    WindowHandle CreateMessageWindow(MessageReceiver& receiver) override;
    void DestroyMessageWindow(WindowHandle window) override;
    std::intptr_t DefaultWindowProc(WindowHandle window, const WindowMessage& message) override;
    WindowHandle ApplicationWindow() override;
    unsigned MapVirtualKeyCode(unsigned code, unsigned mapType) override;
    std::string KeyNameText(std::int32_t keyData) override;

    // The window that carries the program's taskbar button. Until one is set,
    // an invisible top-level window of this object's own serves, made at
    // first use.
    void SetApplicationWindow(WindowHandle window) { applicationWindow_ = window; }

private:
    WindowHandle applicationWindow_ = 0;
    std::unique_ptr<MessageWindow> ownApplicationWindow_;
};

}  // namespace kv
