// The hotkey component on the real platform: registrations, atoms and
// presses injected into the system's input stream.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "hotkeys/HotKeyHook.h"
#include "hotkeys/HotKeyText.h"
#include "platform/win32/Win32HotKeyApi.h"
#include "support/Shortcuts.h"

#include <windows.h>

namespace kv {
namespace {

constexpr std::uint32_t kCtrlShiftF6 = 0x6075;
constexpr std::uint32_t kCtrlAltF7 = 0xC076;

struct Pressed {
    std::uint32_t hotKey;
    std::uint16_t index;
};

INPUT KeyInput(WORD vk, bool up) {
    INPUT input = {};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = vk;
    input.ki.wScan = static_cast<WORD>(MapVirtualKeyA(vk, 0));
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    return input;
}

// The modifiers go down in the order Ctrl, Shift, Alt, Win, the key is
// pressed and released, and the modifiers come up in reverse.
void PressCombination(std::uint32_t hotKey) {
    std::vector<WORD> modifiers;
    if (hotKey & kHotKeyCtrl) modifiers.push_back(VK_CONTROL);
    if (hotKey & kHotKeyShift) modifiers.push_back(VK_SHIFT);
    if (hotKey & kHotKeyAlt) modifiers.push_back(VK_MENU);
    if (hotKey & kHotKeyWin) modifiers.push_back(VK_LWIN);
    WORD key = static_cast<WORD>(hotKey & 0xFF);

    std::vector<INPUT> inputs;
    for (WORD m : modifiers) inputs.push_back(KeyInput(m, false));
    inputs.push_back(KeyInput(key, false));
    inputs.push_back(KeyInput(key, true));
    for (auto it = modifiers.rbegin(); it != modifiers.rend(); ++it) inputs.push_back(KeyInput(*it, true));
    ASSERT_EQ(SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT)), inputs.size());
}

void ReleaseModifiers() {
    INPUT inputs[] = {KeyInput(VK_CONTROL, true), KeyInput(VK_SHIFT, true), KeyInput(VK_MENU, true),
                      KeyInput(VK_LWIN, true)};
    SendInput(4, inputs, sizeof(INPUT));
}

// The name the platform gives a key, computed here the way a Windows
// program would, so that no layout's or Wine's names are assumed.
std::string PlatformKeyName(UINT vk, bool extended) {
    UINT scanCode = MapVirtualKeyA(vk, 0);
    if (scanCode == 0) return std::string();
    LONG keyData = static_cast<LONG>(scanCode << 16);
    if (extended) keyData |= 1 << 24;
    char name[256] = {};
    GetKeyNameTextA(keyData, name, sizeof(name));
    return name;
}

class Win32HotKeys : public testing::Test {
protected:
    Win32HotKeys() : hook_(api_) {
        hook_.OnHotKeyPressed = [this](std::uint32_t hotKey, std::uint16_t index) {
            pressed_.push_back(Pressed{hotKey, index});
        };
    }
    ~Win32HotKeys() override {
        ReleaseModifiers();
        PumpFor(50);
    }

    // Dispatches the thread's messages until a press of hotKey has arrived,
    // or five seconds have passed.
    bool WaitForPress(std::uint32_t hotKey) {
        DWORD start = GetTickCount();
        while (GetTickCount() - start < 5000) {
            Pump();
            for (const Pressed& p : pressed_) {
                if (p.hotKey == hotKey) return true;
            }
            MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
        }
        return false;
    }

    void PumpFor(DWORD ms) {
        DWORD start = GetTickCount();
        while (GetTickCount() - start < ms) {
            Pump();
            MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
        }
        Pump();
    }

    static void Pump() {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
    }

    // Whether anyone holds the combination: a registration of our own
    // succeeds only when it is free.
    static bool IsFree(UINT modifiers, UINT vk) {
        if (!::RegisterHotKey(nullptr, 0x7777, modifiers, vk)) return false;
        ::UnregisterHotKey(nullptr, 0x7777);
        return true;
    }

    Win32HotKeyApi api_;
    HotKeyHook hook_;
    std::vector<Pressed> pressed_;
};

TEST_F(Win32HotKeys, PressArrivesWithValueAndAtom) {
    ASSERT_TRUE(IsWindow(reinterpret_cast<HWND>(hook_.Handle())));
    std::uint16_t id = hook_.AddHotKey(kCtrlShiftF5);
    ASSERT_GE(id, 0xC000);
    EXPECT_EQ(GlobalFindAtomA("KVKeyHook24692"), id);

    PressCombination(kCtrlShiftF5);
    ASSERT_TRUE(WaitForPress(kCtrlShiftF5));
    ASSERT_EQ(pressed_.size(), 1u);
    EXPECT_EQ(pressed_[0].hotKey, kCtrlShiftF5);
    EXPECT_EQ(pressed_[0].index, id);
}

TEST_F(Win32HotKeys, SecondRegistrationIsRefusedAndTheFirstStillFires) {
    std::uint16_t id = hook_.AddHotKey(kCtrlShiftF5);
    ASSERT_NE(id, 0);
    EXPECT_EQ(hook_.AddHotKey(kCtrlShiftF5), 0);
    EXPECT_EQ(hook_.Records().size(), 1u);

    PressCombination(kCtrlShiftF5);
    ASSERT_TRUE(WaitForPress(kCtrlShiftF5));
    EXPECT_EQ(pressed_[0].index, id);

    // The refused attempt took no lasting reference: one release frees the atom.
    EXPECT_TRUE(hook_.RemoveHotKey(kCtrlShiftF5));
    EXPECT_EQ(GlobalFindAtomA("KVKeyHook24692"), 0);
}

TEST_F(Win32HotKeys, RemovedShortcutRaisesNothing) {
    ASSERT_NE(hook_.AddHotKey(kCtrlShiftF5), 0);
    std::uint16_t marker = hook_.AddHotKey(kCtrlShiftF6);
    ASSERT_NE(marker, 0);
    EXPECT_TRUE(hook_.RemoveHotKey(kCtrlShiftF5));
    EXPECT_FALSE(hook_.RemoveHotKey(kCtrlShiftF5));
    EXPECT_EQ(GlobalFindAtomA("KVKeyHook24692"), 0);
    EXPECT_TRUE(IsFree(MOD_CONTROL | MOD_SHIFT, VK_F5));

    // Input is handled in order: once the marker's press is in, a press of
    // the released shortcut would have been too.
    PressCombination(kCtrlShiftF5);
    PressCombination(kCtrlShiftF6);
    ASSERT_TRUE(WaitForPress(kCtrlShiftF6));
    ASSERT_EQ(pressed_.size(), 1u);
    EXPECT_EQ(pressed_[0].index, marker);
}

TEST_F(Win32HotKeys, ClearAndDestructionReleaseEverything) {
    {
        HotKeyHook other(api_);
        ASSERT_NE(other.AddHotKey(kCtrlShiftF6), 0);
        ASSERT_NE(other.AddHotKey(kCtrlAltF7), 0);
        HWND window = reinterpret_cast<HWND>(other.Handle());
        other.ClearHotKeys();
        EXPECT_TRUE(other.Records().empty());
        EXPECT_TRUE(IsFree(MOD_CONTROL | MOD_SHIFT, VK_F6));
        ASSERT_NE(other.AddHotKey(kCtrlShiftF6), 0);
        // Leaves with a registration: the destructor releases it.
        ASSERT_TRUE(IsWindow(window));
    }
    EXPECT_TRUE(IsFree(MOD_CONTROL | MOD_SHIFT, VK_F6));
    EXPECT_TRUE(IsFree(MOD_CONTROL | MOD_ALT, VK_F7));
    EXPECT_EQ(GlobalFindAtomA("KVKeyHook24693"), 0);
}

TEST_F(Win32HotKeys, AvailabilityProbeLeavesNothingRegistered) {
    EXPECT_TRUE(IsHotKeyAvailable(api_, kCtrlAltF7));
    EXPECT_TRUE(IsFree(MOD_CONTROL | MOD_ALT, VK_F7));
    EXPECT_EQ(GlobalFindAtomA("KVKEYHook"), 0);

    std::uint16_t id = hook_.AddHotKey(kCtrlShiftF5);
    ASSERT_NE(id, 0);
    EXPECT_FALSE(IsHotKeyAvailable(api_, kCtrlShiftF5));
    ASSERT_EQ(hook_.Records().size(), 1u);
    PressCombination(kCtrlShiftF5);
    ASSERT_TRUE(WaitForPress(kCtrlShiftF5));
    EXPECT_EQ(pressed_[0].index, id);

    // The probe's own window is hidden and not the component's.
    HWND app = reinterpret_cast<HWND>(api_.ApplicationWindow());
    EXPECT_TRUE(IsWindow(app));
    EXPECT_FALSE(IsWindowVisible(app));
    EXPECT_NE(app, reinterpret_cast<HWND>(hook_.Handle()));
}

TEST_F(Win32HotKeys, ProbeUsesTheApplicationWindowTheProgramSets) {
    HWND app = CreateWindowExA(0, "STATIC", "", 0, 0, 0, 0, 0, nullptr, nullptr, nullptr, nullptr);
    ASSERT_TRUE(app);
    api_.SetApplicationWindow(reinterpret_cast<WindowHandle>(app));
    EXPECT_EQ(api_.ApplicationWindow(), reinterpret_cast<WindowHandle>(app));
    // Held by another window, the combination is refused to the probe.
    ASSERT_TRUE(::RegisterHotKey(app, 0x1234, MOD_CONTROL | MOD_ALT, VK_F7));
    EXPECT_FALSE(IsHotKeyAvailable(api_, kCtrlAltF7));
    ::UnregisterHotKey(app, 0x1234);
    EXPECT_TRUE(IsHotKeyAvailable(api_, kCtrlAltF7));
    DestroyWindow(app);
}

// Names come from the platform; only the structure is fixed.
class Win32HotKeyText : public testing::Test {
protected:
    Win32HotKeyApi api_;
    ModifierNames names_;
};

TEST_F(Win32HotKeyText, JoinsThePlatformsNames) {
    names_ = ReadModifierNames(api_);
    const std::string ctrl = PlatformKeyName(VK_CONTROL, false);
    const std::string shift = PlatformKeyName(VK_SHIFT, false);
    const std::string alt = PlatformKeyName(VK_MENU, false);
    ASSERT_FALSE(ctrl.empty());
    EXPECT_EQ(names_.shift, shift);
    EXPECT_EQ(names_.ctrl, ctrl);
    EXPECT_EQ(names_.alt, alt);

    EXPECT_EQ(HotKeyToText(api_, names_, kCtrlShiftF5), ctrl + "+" + shift + "+" + PlatformKeyName(VK_F5, false));
    EXPECT_EQ(HotKeyToText(api_, names_, 0x8073), alt + "+" + PlatformKeyName(VK_F4, false));
    EXPECT_EQ(HotKeyToText(api_, names_, 0x10045), names_.win + "+" + PlatformKeyName('E', false));
    EXPECT_EQ(HotKeyToText(api_, names_, 'A'), PlatformKeyName('A', false));
    EXPECT_EQ(HotKeyToText(api_, names_, 0), "");
}

TEST_F(Win32HotKeyText, NavigationKeysUseTheirExtendedNames) {
    for (UINT vk : {VK_PRIOR, VK_NEXT, VK_END, VK_HOME, VK_LEFT, VK_UP, VK_RIGHT, VK_DOWN, VK_INSERT, VK_DELETE}) {
        std::string name = PlatformKeyName(vk, true);
        EXPECT_FALSE(name.empty()) << vk;
        EXPECT_EQ(HotKeyToText(api_, names_, vk), name) << vk;
    }
    // The keypad's keys on the same scan codes are named without the bit.
    EXPECT_EQ(HotKeyToText(api_, names_, VK_NUMPAD0), PlatformKeyName(VK_NUMPAD0, false));
}

TEST_F(Win32HotKeyText, MultimediaKeysAlwaysHaveAName) {
    for (UINT vk = 0xA6; vk <= 0xB7; ++vk) {
        std::string platform = PlatformKeyName(vk, false);
        std::string text = HotKeyToText(api_, names_, vk);
        if (platform.size() >= 2)
            EXPECT_EQ(text, platform) << vk;
        else
            EXPECT_EQ(text, MultimediaKeyName(vk)) << vk;
    }
}

}  // namespace
}  // namespace kv
