#pragma once
// A simulated hotkey platform: global atoms with reference counts, a
// system-wide table of hotkey registrations, hidden windows with receivers,
// a keyboard layout for key names, and presses delivered as WM_HOTKEY.
#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "platform/HotKeyApi.h"

namespace kv {

class FakeHotKeyApi : public HotKeyApi {
public:
    // Starts with an English (US) layout: see UseEnglishLayout.
    FakeHotKeyApi();

    std::uint16_t AddGlobalAtom(const std::string& name) override;
    void DeleteAtom(std::uint16_t atom) override;
    bool RegisterHotKey(WindowHandle window, int id, unsigned modifiers, unsigned virtualKey) override;
    bool UnregisterHotKey(WindowHandle window, int id) override;
    WindowHandle CreateMessageWindow(MessageReceiver& receiver) override;
    void DestroyMessageWindow(WindowHandle window) override;
    std::intptr_t DefaultWindowProc(WindowHandle window, const WindowMessage& message) override;
    WindowHandle ApplicationWindow() override { return kApplicationWindow; }
    unsigned MapVirtualKeyCode(unsigned code, unsigned mapType) override;
    std::string KeyNameText(std::int32_t keyData) override;

    // --- Simulation ---

    // A user's press of the combination: when it is registered, one WM_HOTKEY
    // (wParam = id, lParam = modifiers | key << 16) goes to the registering
    // window's receiver. False when nobody has registered it.
    bool Press(unsigned modifiers, unsigned virtualKey);
    // Sends a message straight to a window's receiver; false when the window
    // has none (the application window, a destroyed window).
    bool Send(WindowHandle window, WindowMessage& message);

    // Combinations that another program holds: registering them is refused.
    void TakeByAnotherProgram(unsigned modifiers, unsigned virtualKey);

    // Key names: the scan code MapVirtualKeyCode(vk, 0) gives, and the name
    // KeyNameText gives for key data (scan code << 16, bit 24 for extended
    // keys). SetKeyName(vk, scan, name, extended) sets both.
    void SetScanCode(unsigned virtualKey, unsigned scanCode);
    void SetKeyNameForData(std::uint32_t keyData, const std::string& name);
    void SetKeyName(unsigned virtualKey, unsigned scanCode, const std::string& name, bool extended = false);
    void ClearLayout();
    void UseEnglishLayout();
    // A German layout's names of the modifier keys: UMSCHALT, STRG, ALT.
    void UseGermanModifierNames();

    // --- Inspection ---

    struct Registration {
        WindowHandle window;
        int id;
        unsigned modifiers;
        unsigned virtualKey;
    };
    const std::vector<Registration>& Registrations() const { return registrations_; }
    bool IsRegistered(unsigned modifiers, unsigned virtualKey) const;
    // References held on the named atom (names compare without case, as
    // global atoms do); 0 when it does not exist.
    int AtomReferences(const std::string& name) const;
    // The atom of an existing name; 0 when it does not exist.
    std::uint16_t FindGlobalAtom(const std::string& name) const;
    std::size_t AtomCount() const { return atoms_.size(); }
    bool IsWindow(WindowHandle window) const { return receivers_.count(window) != 0; }

    // Every call, one readable line each, e.g. "AddAtom KVKeyHook24692 = 49152",
    // "RegisterHotKey 256 49152 6 116 = 1", "DefaultWindowProc 256 786".
    std::vector<std::string> calls;
    // The global atom table is full: AddGlobalAtom fails with 0.
    bool atomTableFull = false;
    // What DefaultWindowProc answers.
    std::intptr_t defaultWindowProcResult = 0;

    static constexpr WindowHandle kApplicationWindow = 0x10;
    static constexpr std::uint16_t kFirstAtom = 0xC000;

private:
    struct Atom {
        std::string name;
        int references;
    };
    std::map<std::uint16_t, Atom> atoms_;
    std::vector<Registration> registrations_;
    std::set<std::pair<unsigned, unsigned>> takenByOthers_;
    std::map<WindowHandle, MessageReceiver*> receivers_;
    WindowHandle nextWindow_ = 0x100;
    std::map<unsigned, unsigned> scanCodes_;
    std::map<std::uint32_t, std::string> keyNames_;
};

}  // namespace kv
