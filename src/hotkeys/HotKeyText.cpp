#include "hotkeys/HotKeyText.h"

#include "hotkeys/HotKeyValue.h"
#include "model/KeyCodes.h"

namespace kv {

namespace {

constexpr unsigned kFirstMultimediaKey = 0xA6;
constexpr unsigned kLastMultimediaKey = 0xB7;

const char* const kMultimediaKeyNames[] = {
    "Browser Back",      "Browser Forward",     "Browser Refresh",     "Browser Stop",     "Browser Search",
    "Browser Favorites", "Browser Start/Home",  "Volume Mute",         "Volume Down",      "Volume Up",
    "Next Track",        "Previous Track",      "Stop Media",          "Play/Pause Media", "Start Mail",
    "Select Media",      "Start Application 1", "Start Application 2",
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

ModifierNames ReadModifierNames(HotKeyApi& api) {
    ModifierNames names;
    names.shift = KeyName(api, 0x10);  // VK_SHIFT
    names.ctrl = KeyName(api, 0x11);   // VK_CONTROL
    names.alt = KeyName(api, 0x12);    // VK_MENU
    // Match the platform's style: a layout that writes ALT writes WIN too.
    names.win = IsAllCapitals(names.alt) ? "WIN" : "Win";
    return names;
}

bool IsMultimediaKey(unsigned key) { return key >= kFirstMultimediaKey && key <= kLastMultimediaKey; }

std::string MultimediaKeyName(unsigned key) {
    if (!IsMultimediaKey(key)) return std::string();
    return kMultimediaKeyNames[key - kFirstMultimediaKey];
}

std::string HotKeyToText(HotKeyApi& api, const ModifierNames& names, std::uint32_t hotKey) {
    std::string text;
    if (hotKey & kHotKeyCtrl) text += names.ctrl + "+";
    if (hotKey & kHotKeyShift) text += names.shift + "+";
    if (hotKey & kHotKeyAlt) text += names.alt + "+";
    if (hotKey & kHotKeyWin) text += names.win + "+";
    return text + KeyName(api, hotKey & kHotKeyKeyMask);
}

std::string KeyText(HotKeyApi& api, unsigned key) { return KeyName(api, key); }

}  // namespace kv
