#pragma once
// The readable text of a packed shortcut value ("Ctrl+Shift+F5"), built from
// the platform's key names.
#include <cstdint>
#include <string>

#include "platform/HotKeyApi.h"

namespace kv {

// Display names of the four modifiers. The program reads the platform's
// names once at start (ReadModifierNames) and passes them to every shortcut
// text it makes; the defaults serve until then.
struct ModifierNames {
    std::string shift = "Shift";
    std::string ctrl = "Ctrl";
    std::string alt = "Alt";
    std::string win = "Win";
};

// The platform's names of the Shift, Ctrl and Alt keys. Win becomes "WIN"
// when the platform writes Alt in capitals only.
ModifierNames ReadModifierNames(HotKeyApi& api);

// The multimedia and browser keys 0xA6..0xB7, whose platform names are often
// missing or a single (wrong) character.
bool IsMultimediaKey(unsigned key);
// The fixed name of a multimedia key; empty outside 0xA6..0xB7.
std::string MultimediaKeyName(unsigned key);

// Modifiers in the order Ctrl, Shift, Alt, Win, each followed by "+", then
// the key's name. 0 gives an empty text; a key without a name gives the
// modifier part alone.
std::string HotKeyToText(HotKeyApi& api, const ModifierNames& names, std::uint32_t hotKey);

// The platform's name of a key without modifiers (a multimedia key's fixed
// name when the platform has none); empty for a key without a name.
std::string KeyText(HotKeyApi& api, unsigned key);

}  // namespace kv
