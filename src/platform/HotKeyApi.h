#pragma once
// Operations behind the hotkey component: global atoms, hotkey registration
// against a hidden message window, and the platform's key names.
#include <cstdint>
#include <string>

#include "platform/Types.h"

namespace kv {

// Platform modifier bits, as RegisterHotKey and WM_HOTKEY use them.
constexpr unsigned kModAlt = 1;
constexpr unsigned kModControl = 2;
constexpr unsigned kModShift = 4;
constexpr unsigned kModWin = 8;
// Asks for one WM_HOTKEY per press instead of one per key repeat. Not part of
// the combination: it is never reported back and never stored.
constexpr unsigned kModNoRepeat = 0x4000;

class HotKeyApi {
public:
    virtual ~HotKeyApi() = default;

    // GlobalAddAtomA: the same name (compared without case) gives the same
    // atom while it exists, with one more reference; atoms lie in
    // 0xC000..0xFFFF. 0 on failure.
    virtual std::uint16_t AddGlobalAtom(const std::string& name) = 0;
    // GlobalDeleteAtom: drops one reference; the last frees the number for reuse.
    virtual void DeleteAtom(std::uint16_t atom) = 0;

    // RegisterHotKey / UnregisterHotKey. A combination registered by anyone
    // is refused.
    virtual bool RegisterHotKey(WindowHandle window, int id, unsigned modifiers, unsigned virtualKey) = 0;
    virtual bool UnregisterHotKey(WindowHandle window, int id) = 0;

    // A hidden window whose messages go to the receiver's WndProc from the
    // moment this returns until DestroyMessageWindow (the creation and
    // destruction messages get default processing). 0 on failure.
    virtual WindowHandle CreateMessageWindow(MessageReceiver& receiver) = 0;
    virtual void DestroyMessageWindow(WindowHandle window) = 0;
    // DefWindowProcA for a message of a window made by CreateMessageWindow.
    virtual std::intptr_t DefaultWindowProc(WindowHandle window, const WindowMessage& message) = 0;

    // The program's otherwise invisible application window (the one that
    // carries its taskbar button); the availability probe registers against it.
    virtual WindowHandle ApplicationWindow() = 0;

    // MapVirtualKeyA and GetKeyNameTextA (buffer of 256 characters).
    virtual unsigned MapVirtualKeyCode(unsigned code, unsigned mapType) = 0;
    virtual std::string KeyNameText(std::int32_t keyData) = 0;
};

}  // namespace kv
