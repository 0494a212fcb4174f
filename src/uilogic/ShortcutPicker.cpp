#include "uilogic/ShortcutPicker.h"

#include "hotkeys/HotKeyText.h"
#include "hotkeys/HotKeyValue.h"

namespace kv {

namespace {

void AddKeyRange(HotKeyApi& api, std::vector<CandidateKey>& keys, unsigned first, unsigned last) {
    for (unsigned code = first; code <= last; ++code) {
        std::string name = KeyText(api, code);
        if (!name.empty()) keys.push_back({std::move(name), std::uint16_t(code)});
    }
}

}  // namespace

std::vector<CandidateKey> GetPotentialKeys(HotKeyApi& api) {
    std::vector<CandidateKey> keys;
    AddKeyRange(api, keys, 8, 9);
    AddKeyRange(api, keys, 13, 13);
    AddKeyRange(api, keys, 20, 145);
    AddKeyRange(api, keys, 186, 255);
    AddKeyRange(api, keys, 166, 183);
    return keys;
}

unsigned ModifierBits(const ShortcutBoxes& boxes) {
    return (boxes.Ctrl ? kModControl : 0) | (boxes.Shift ? kModShift : 0) | (boxes.Alt ? kModAlt : 0) |
           (boxes.Win ? kModWin : 0);
}

std::uint32_t GetSelectedHotKey(const ShortcutBoxes& boxes, const std::vector<CandidateKey>& keys, int chosen) {
    if (chosen < 0 || chosen >= int(keys.size())) return 0;
    return MakeHotKey(ModifierBits(boxes), keys[chosen].Key);
}

HotKeyParts ExtractKey(std::uint32_t HotKey) {
    std::uint16_t key = 0;
    unsigned modifiers = 0;
    SplitHotKey(HotKey, key, modifiers);
    HotKeyParts parts;
    parts.Ctrl = (modifiers & kModControl) != 0;
    parts.Alt = (modifiers & kModAlt) != 0;
    parts.Shift = (modifiers & kModShift) != 0;
    parts.Win = (modifiers & kModWin) != 0;
    parts.Key = key;
    return parts;
}

ShortcutBoxes BoxesOfHotKey(std::uint32_t HotKey) {
    const HotKeyParts parts = ExtractKey(HotKey);
    ShortcutBoxes boxes;
    boxes.Ctrl = parts.Ctrl;
    boxes.Shift = parts.Shift;
    boxes.Alt = parts.Alt;
    boxes.Win = parts.Win;
    return boxes;
}

int ChosenKeyForHotKey(HotKeyApi& api, const std::vector<CandidateKey>& keys, std::uint32_t HotKey, int current) {
    const std::string name = KeyText(api, ExtractKey(HotKey).Key);
    for (std::size_t i = 0; i < keys.size(); ++i) {
        if (keys[i].Name == name) return int(i);
    }
    return current;
}

std::string AvailabilityText(const std::string& shortcutText, bool available) {
    return shortcutText + " is " + (available ? "" : "NOT ") + "available for registration.";
}

std::string NotAHotkeyText(const std::string& shortcutText) { return shortcutText + " doesn't appear to be a hotkey."; }

std::string AlreadyUsingText(const std::string& shortcutText) {
    return shortcutText + " is already using. Please select another hotkey.";
}

bool SameCombination(std::uint32_t a, std::uint32_t b) {
    std::uint16_t keyA = 0, keyB = 0;
    unsigned modA = 0, modB = 0;
    SplitHotKey(a, keyA, modA);
    SplitHotKey(b, keyB, modB);
    return keyA == keyB && modA == modB;
}

}  // namespace kv
