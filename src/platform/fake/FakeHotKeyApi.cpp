#include "platform/fake/FakeHotKeyApi.h"

#include <algorithm>
#include <cctype>

namespace kv {

namespace {

bool SameAtomName(const std::string& a, const std::string& b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
           });
}

// GetKeyNameTextA looks at the scan code and the extended bit only.
constexpr std::uint32_t kKeyDataNameBits = 0x01FF0000;
constexpr std::uint32_t kExtended = 1u << 24;

std::uint32_t KeyData(unsigned scanCode, bool extended) { return (scanCode << 16) | (extended ? kExtended : 0); }

}  // namespace

FakeHotKeyApi::FakeHotKeyApi() { UseEnglishLayout(); }

std::uint16_t FakeHotKeyApi::AddGlobalAtom(const std::string& name) {
    std::uint16_t atom = FindGlobalAtom(name);
    if (atomTableFull) {
        atom = 0;
    } else if (atom != 0) {
        ++atoms_[atom].references;
    } else {
        // The lowest free number: a deleted atom's number is handed out again.
        for (unsigned n = kFirstAtom; n <= 0xFFFF; ++n) {
            if (atoms_.count(static_cast<std::uint16_t>(n)) == 0) {
                atom = static_cast<std::uint16_t>(n);
                atoms_[atom] = Atom{name, 1};
                break;
            }
        }
    }
    calls.push_back("AddAtom " + name + " = " + std::to_string(atom));
    return atom;
}

void FakeHotKeyApi::DeleteAtom(std::uint16_t atom) {
    calls.push_back("DeleteAtom " + std::to_string(atom));
    auto it = atoms_.find(atom);
    if (it != atoms_.end() && --it->second.references == 0) atoms_.erase(it);
}

bool FakeHotKeyApi::RegisterHotKey(WindowHandle window, int id, unsigned modifiers, unsigned virtualKey) {
    // The no-repeat flag is no part of the combination, as on Windows.
    const unsigned combination = modifiers & ~kModNoRepeat;
    bool taken = IsRegistered(combination, virtualKey) || takenByOthers_.count({combination, virtualKey}) != 0;
    if (!taken) registrations_.push_back(Registration{window, id, modifiers, virtualKey});
    calls.push_back("RegisterHotKey " + std::to_string(window) + " " + std::to_string(id) + " " +
                    std::to_string(modifiers) + " " + std::to_string(virtualKey) + " = " + (taken ? "0" : "1"));
    return !taken;
}

bool FakeHotKeyApi::UnregisterHotKey(WindowHandle window, int id) {
    auto it = std::find_if(registrations_.begin(), registrations_.end(),
                           [&](const Registration& r) { return r.window == window && r.id == id; });
    bool found = it != registrations_.end();
    if (found) registrations_.erase(it);
    calls.push_back("UnregisterHotKey " + std::to_string(window) + " " + std::to_string(id) + " = " +
                    (found ? "1" : "0"));
    return found;
}

WindowHandle FakeHotKeyApi::CreateMessageWindow(MessageReceiver& receiver) {
    WindowHandle window = nextWindow_++;
    receivers_[window] = &receiver;
    calls.push_back("CreateMessageWindow = " + std::to_string(window));
    return window;
}

void FakeHotKeyApi::DestroyMessageWindow(WindowHandle window) {
    calls.push_back("DestroyMessageWindow " + std::to_string(window));
    receivers_.erase(window);
    // Like the platform, a destroyed window's registrations go with it.
    registrations_.erase(std::remove_if(registrations_.begin(), registrations_.end(),
                                        [&](const Registration& r) { return r.window == window; }),
                         registrations_.end());
}

std::intptr_t FakeHotKeyApi::DefaultWindowProc(WindowHandle window, const WindowMessage& message) {
    calls.push_back("DefaultWindowProc " + std::to_string(window) + " " + std::to_string(message.msg));
    return defaultWindowProcResult;
}

unsigned FakeHotKeyApi::MapVirtualKeyCode(unsigned code, unsigned mapType) {
    unsigned result = 0;
    if (mapType == 0) {
        auto it = scanCodes_.find(code);
        if (it != scanCodes_.end()) result = it->second;
    }
    calls.push_back("MapVirtualKey " + std::to_string(code) + " " + std::to_string(mapType) + " = " +
                    std::to_string(result));
    return result;
}

std::string FakeHotKeyApi::KeyNameText(std::int32_t keyData) {
    auto it = keyNames_.find(static_cast<std::uint32_t>(keyData) & kKeyDataNameBits);
    std::string name = it != keyNames_.end() ? it->second : std::string();
    calls.push_back("GetKeyNameText " + std::to_string(keyData) + " = " + name);
    return name;
}

bool FakeHotKeyApi::Press(unsigned modifiers, unsigned virtualKey) {
    auto it = std::find_if(registrations_.begin(), registrations_.end(), [&](const Registration& r) {
        return (r.modifiers & ~kModNoRepeat) == modifiers && r.virtualKey == virtualKey;
    });
    if (it == registrations_.end()) return false;
    WindowMessage message;
    message.msg = kWmHotKey;
    message.wParam = static_cast<std::uintptr_t>(it->id);
    message.lParam = static_cast<std::intptr_t>((modifiers & 0xFFFF) | ((virtualKey & 0xFFFF) << 16));
    Send(it->window, message);
    return true;
}

bool FakeHotKeyApi::Send(WindowHandle window, WindowMessage& message) {
    auto it = receivers_.find(window);
    if (it == receivers_.end()) return false;
    it->second->WndProc(message);
    return true;
}

void FakeHotKeyApi::TakeByAnotherProgram(unsigned modifiers, unsigned virtualKey) {
    takenByOthers_.insert({modifiers, virtualKey});
}

void FakeHotKeyApi::SetScanCode(unsigned virtualKey, unsigned scanCode) { scanCodes_[virtualKey] = scanCode; }

void FakeHotKeyApi::SetKeyNameForData(std::uint32_t keyData, const std::string& name) {
    keyNames_[keyData & kKeyDataNameBits] = name;
}

void FakeHotKeyApi::SetKeyName(unsigned virtualKey, unsigned scanCode, const std::string& name, bool extended) {
    SetScanCode(virtualKey, scanCode);
    SetKeyNameForData(KeyData(scanCode, extended), name);
}

void FakeHotKeyApi::ClearLayout() {
    scanCodes_.clear();
    keyNames_.clear();
}

void FakeHotKeyApi::UseEnglishLayout() {
    ClearLayout();
    struct Key {
        unsigned vk;
        unsigned scan;
        const char* name;
    };
    static const Key keys[] = {
        {0x08, 0x0E, "Backspace"}, {0x09, 0x0F, "Tab"},     {0x0D, 0x1C, "Enter"},     {0x10, 0x2A, "Shift"},
        {0x11, 0x1D, "Ctrl"},      {0x12, 0x38, "Alt"},     {0x14, 0x3A, "Caps Lock"}, {0x1B, 0x01, "Esc"},
        {0x20, 0x39, "Space"},     {0x2C, 0x54, "Sys Req"}, {0x90, 0x45, "Num Lock"},  {0x91, 0x46, "Scroll Lock"},
        {0x6A, 0x37, "Num *"},     {0x6B, 0x4E, "Num +"},   {0x6D, 0x4A, "Num -"},     {0x6F, 0x35, "/"},
        {0xBA, 0x27, ";"},         {0xBB, 0x0D, "="},       {0xBC, 0x33, ","},         {0xBD, 0x0C, "-"},
        {0xBE, 0x34, "."},         {0xBF, 0x35, "/"},       {0xC0, 0x29, "`"},         {0xDB, 0x1A, "["},
        {0xDC, 0x2B, "\\"},        {0xDD, 0x1B, "]"},       {0xDE, 0x28, "'"},         {0xE2, 0x56, "\\"},
    };
    for (const Key& k : keys) SetKeyName(k.vk, k.scan, k.name);

    // Digits and letters, on their QWERTY scan codes.
    const unsigned digitScans[] = {0x0B, 0x02, 0x03, 0x04, 0x05, 0x06, 0x07, 0x08, 0x09, 0x0A};
    for (unsigned i = 0; i < 10; ++i) SetKeyName('0' + i, digitScans[i], std::string(1, static_cast<char>('0' + i)));
    const unsigned letterScans[] = {0x1E, 0x30, 0x2E, 0x20, 0x12, 0x21, 0x22, 0x23, 0x17, 0x24, 0x25, 0x26, 0x32,
                                    0x31, 0x18, 0x19, 0x10, 0x13, 0x1F, 0x14, 0x16, 0x2F, 0x11, 0x2D, 0x15, 0x2C};
    for (unsigned i = 0; i < 26; ++i) SetKeyName('A' + i, letterScans[i], std::string(1, static_cast<char>('A' + i)));

    // F1..F12.
    for (unsigned i = 0; i < 10; ++i) SetKeyName(0x70 + i, 0x3B + i, "F" + std::to_string(i + 1));
    SetKeyName(0x7A, 0x57, "F11");
    SetKeyName(0x7B, 0x58, "F12");

    // The navigation keys share their scan codes with the keypad; the
    // extended bit selects the navigation name.
    struct NavKey {
        unsigned vk;
        unsigned numpadVk;
        unsigned scan;
        const char* name;
        const char* numpadName;
    };
    static const NavKey navKeys[] = {
        {0x21, 0x69, 0x49, "Page Up", "Num 9"}, {0x22, 0x63, 0x51, "Page Down", "Num 3"},
        {0x23, 0x61, 0x4F, "End", "Num 1"},     {0x24, 0x67, 0x47, "Home", "Num 7"},
        {0x25, 0x64, 0x4B, "Left", "Num 4"},    {0x26, 0x68, 0x48, "Up", "Num 8"},
        {0x27, 0x66, 0x4D, "Right", "Num 6"},   {0x28, 0x62, 0x50, "Down", "Num 2"},
        {0x2D, 0x60, 0x52, "Insert", "Num 0"},  {0x2E, 0x6E, 0x53, "Delete", "Num Del"},
    };
    for (const NavKey& k : navKeys) {
        SetKeyName(k.vk, k.scan, k.name, true);
        SetKeyName(k.numpadVk, k.scan, k.numpadName);
    }
    SetKeyName(0x65, 0x4C, "Num 5");

    // The left and right modifier keys have scan codes but no key of their own here.
    SetScanCode(0xA0, 0x2A);
    SetScanCode(0xA1, 0x36);
    SetScanCode(0xA2, 0x1D);
    SetScanCode(0xA3, 0x1D);
    SetScanCode(0xA4, 0x38);
    SetScanCode(0xA5, 0x38);

    // Multimedia keys: scan codes without their E0 prefix, so several land on
    // a letter's name and the others have no name at all.
    const unsigned multimediaScans[] = {0x6A, 0x69, 0x67, 0x68, 0x65, 0x66, 0x32, 0x20, 0x2E,
                                        0x30, 0x19, 0x10, 0x24, 0x22, 0x6C, 0x6D, 0x6B, 0x21};
    for (unsigned i = 0; i < 18; ++i) SetScanCode(0xA6 + i, multimediaScans[i]);
}

void FakeHotKeyApi::UseGermanModifierNames() {
    SetKeyName(0x10, 0x2A, "UMSCHALT");
    SetKeyName(0x11, 0x1D, "STRG");
    SetKeyName(0x12, 0x38, "ALT");
}

bool FakeHotKeyApi::IsRegistered(unsigned modifiers, unsigned virtualKey) const {
    return std::any_of(registrations_.begin(), registrations_.end(), [&](const Registration& r) {
        return (r.modifiers & ~kModNoRepeat) == modifiers && r.virtualKey == virtualKey;
    });
}

int FakeHotKeyApi::AtomReferences(const std::string& name) const {
    std::uint16_t atom = FindGlobalAtom(name);
    return atom != 0 ? atoms_.at(atom).references : 0;
}

std::uint16_t FakeHotKeyApi::FindGlobalAtom(const std::string& name) const {
    for (const auto& entry : atoms_) {
        if (SameAtomName(entry.second.name, name)) return entry.first;
    }
    return 0;
}

}  // namespace kv
