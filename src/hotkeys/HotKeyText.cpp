#include "hotkeys/HotKeyText.h"

#include "hotkeys/HotKeyValue.h"
#include "model/KeyCodes.h"

namespace kv {

std::string ModifierNames[4] = {"Shift", "Ctrl", "Alt", "Win"};

namespace {

enum ModifierIndex { kShiftName, kCtrlName, kAltName, kWinName };

constexpr unsigned kFirstMultimediaKey = 0xA6;
constexpr unsigned kLastMultimediaKey = 0xB7;

const char* const kMultimediaKeyNames[] = {
    "Browser Back",    "Browser Forward",  "Browser Refresh",     "Browser Stop",
    "Browser Search",  "Browser Favorites", "Browser Start/Home", "Volume Mute",
    "Volume Down",     "Volume Up",        "Next Track",          "Previous Track",
    "Stop Media",      "Play/Pause Media", "Start Mail",          "Select Media",
    "Start Application 1", "Start Application 2",
};

constexpr unsigned kMapVkToScanCode = 0;
constexpr std::uint32_t kKeyDataExtended = 1u << 24;

std::string KeyName(HotKeyApi& api, unsigned key) {
    std::uint32_t scanCode = api.MapVirtualKeyCode(key, kMapVkToScanCode);
    std::uint32_t keyData = scanCode << 16;
    if (IsExtendedKey(key)) keyData |= kKeyDataExtended;

    std::string name;
    if (keyData != 0) name = api.KeyNameText(static_cast<std::int32_t>(keyData));
    // The platform often names a multimedia key by the letter that shares its
    // scan code, or not at all.
    if (name.size() <= 1 && IsMultimediaKey(key)) name = MultimediaKeyName(key);
    return name;
}

bool IsAllCapitals(const std::string& text) {
    for (char c : text) {
        if (c < 'A' || c > 'Z') return false;
    }
    return true;
}

}  // namespace

void InitModifierNames(HotKeyApi& api) {
    ModifierNames[kShiftName] = HotKeyToText(api, 0x10);  // VK_SHIFT
    ModifierNames[kCtrlName] = HotKeyToText(api, 0x11);   // VK_CONTROL
    ModifierNames[kAltName] = HotKeyToText(api, 0x12);    // VK_MENU
    // Match the platform's style: a layout that writes ALT writes WIN too.
    ModifierNames[kWinName] = IsAllCapitals(ModifierNames[kAltName]) ? "WIN" : "Win";
}

bool IsMultimediaKey(unsigned key) {
    return key >= kFirstMultimediaKey && key <= kLastMultimediaKey;
}

std::string MultimediaKeyName(unsigned key) {
    if (!IsMultimediaKey(key)) return std::string();
    return kMultimediaKeyNames[key - kFirstMultimediaKey];
}

std::string HotKeyToText(HotKeyApi& api, std::uint32_t hotKey) {
    std::string text;
    if (hotKey & kHotKeyCtrl) text += ModifierNames[kCtrlName] + "+";
    if (hotKey & kHotKeyShift) text += ModifierNames[kShiftName] + "+";
    if (hotKey & kHotKeyAlt) text += ModifierNames[kAltName] + "+";
    if (hotKey & kHotKeyWin) text += ModifierNames[kWinName] + "+";
    return text + KeyName(api, hotKey & kHotKeyKeyMask);
}

}  // namespace kv
