#pragma once
// The readable text of a packed shortcut value ("Ctrl+Shift+F5"), built from
// the platform's key names.
#include <cstdint>
#include <string>

#include "platform/HotKeyApi.h"

namespace kv {

// Display names of Shift, Ctrl, Alt and Win, in this order. They start as
// "Shift", "Ctrl", "Alt", "Win" and take the platform's names once
// InitModifierNames has run.
extern std::string ModifierNames[4];

// Replaces the modifier names by the platform's names of the Shift, Ctrl and
// Alt keys. Win becomes "WIN" when the platform writes Alt in capitals only.
// Called once at start, before any shortcut text is made.
void InitModifierNames(HotKeyApi& api);

// The multimedia and browser keys 0xA6..0xB7, whose platform names are often
// missing or a single (wrong) character.
bool IsMultimediaKey(unsigned key);
// The fixed name of a multimedia key; empty outside 0xA6..0xB7.
std::string MultimediaKeyName(unsigned key);

// Modifiers in the order Ctrl, Shift, Alt, Win, each followed by "+", then
// the key's name. 0 gives an empty text; a key without a name gives the
// modifier part alone.
std::string HotKeyToText(HotKeyApi& api, std::uint32_t hotKey);

}  // namespace kv
