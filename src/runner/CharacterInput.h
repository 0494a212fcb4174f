#pragma once
// Characters that the keyboard layout cannot type: the {U+XXXX} token of the
// key text, and the choice, character by character, between the layout's
// key and a Unicode character.
#include <cstddef>
#include <cstdint>
#include <string>

#include "platform/InputApi.h"

namespace kv {

// The code point that a brace token name (upper case) of the form "U+"
// followed by 1 to 6 hexadecimal digits names. False for any other name,
// for a value above U+10FFFF and for a surrogate (U+D800 to U+DFFF), which
// is no character on its own.
bool ParseCodePointName(const std::string& name, char32_t& codePoint);

// A code point in UTF-16: one unit, or a surrogate pair above U+FFFF.
std::u16string Utf16Of(char32_t codePoint);

// How the character of a key text at a position is typed.
struct CharacterChoice {
    // The layout's key code (VkKeyScan form) when the layout of the window
    // being typed into has a key for it; 0xFFFF when it has none.
    std::uint16_t keyCode = 0xFFFF;
    // Without a key: the character in UTF-16, converted from the ANSI code
    // page; empty when the bytes are no character.
    std::u16string units;
    // How many bytes of the text the character takes.
    std::size_t length = 1;
};

// Asks the layout first, so that every character it can type is typed as a
// key, exactly as before; only the others become Unicode characters.
CharacterChoice ChooseCharacterInput(InputApi& input, const std::string& text, std::size_t at);

}  // namespace kv
