#pragma once
// The editor's shortcut controls: the candidate keys of ComboBox1, the packed
// value of the four modifier boxes and the chosen key, a stored value put back
// into the controls, and the texts of the availability check.
#include <cstdint>
#include <string>
#include <vector>

#include "platform/HotKeyApi.h"

namespace kv {

// One entry of ComboBox1: the key's name and its virtual-key code.
struct CandidateKey {
    std::string Name;
    std::uint16_t Key = 0;
};

// The candidate keys: the codes 8-9, 13, 20-145, 186-255 and 166-183, in this
// order, each range ascending, every code whose name (HotKeyToText of the
// bare code) is not empty. Entries with equal names are all kept.
std::vector<CandidateKey> GetPotentialKeys(HotKeyApi& api);

// The four check boxes: Ctrl, Shift, Alt and the hidden Win.
struct ShortcutBoxes {
    bool Ctrl = true;
    bool Shift = false;
    bool Alt = false;
    bool Win = false;
};

// Platform modifier bits of the boxes: Ctrl 2, Shift 4, Alt 1, Win 8.
unsigned ModifierBits(const ShortcutBoxes& boxes);

// The packed value of the boxes and the chosen entry of keys (chosen -1 for
// none): 0 when no key is chosen. A shortcut without modifiers is allowed.
std::uint32_t GetSelectedHotKey(const ShortcutBoxes& boxes, const std::vector<CandidateKey>& keys, int chosen);

struct HotKeyParts {
    bool Ctrl = false;
    bool Alt = false;
    bool Shift = false;
    bool Win = false;
    std::uint32_t Key = 0;
};
HotKeyParts ExtractKey(std::uint32_t HotKey);

// SetAddHotEditMode: the boxes of a stored value, and the entry to choose:
// the first whose name equals the key's name exactly; when none does, the
// current choice stays (the key is found by name, not by code).
ShortcutBoxes BoxesOfHotKey(std::uint32_t HotKey);
int ChosenKeyForHotKey(HotKeyApi& api, const std::vector<CandidateKey>& keys, std::uint32_t HotKey, int current);

// "Check availability": "Ctrl+Shift+F5 is available for registration." or
// "... is NOT available for registration."; with no key chosen the warning
// " doesn't appear to be a hotkey." (after the empty text of 0).
std::string AvailabilityText(const std::string& shortcutText, bool available);
std::string NotAHotkeyText(const std::string& shortcutText);
// The commit's refusals.
inline constexpr char kNoHotkeySpecified[] = "No hotkey specified.";
std::string AlreadyUsingText(const std::string& shortcutText);

// Whether two packed values stand for the same registration with the
// platform (the same key in the low 8 bits and the same modifiers).
bool SameCombination(std::uint32_t a, std::uint32_t b);

}  // namespace kv
