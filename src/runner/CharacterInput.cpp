#include "runner/CharacterInput.h"

namespace kv {

namespace {

constexpr std::uint16_t kNoKey = 0xFFFF;
constexpr std::size_t kMaxHexDigits = 6;
constexpr char32_t kLastCodePoint = 0x10FFFF;

int HexDigitValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

bool IsSurrogate(char32_t c) { return c >= 0xD800 && c <= 0xDFFF; }

}  // namespace

bool ParseCodePointName(const std::string& name, char32_t& codePoint) {
    if (name.size() < 3 || name.compare(0, 2, "U+") != 0 || name.size() - 2 > kMaxHexDigits) return false;
    char32_t value = 0;
    for (std::size_t i = 2; i < name.size(); ++i) {
        const int digit = HexDigitValue(name[i]);
        if (digit < 0) return false;
        value = value * 16 + char32_t(digit);
    }
    if (value > kLastCodePoint || IsSurrogate(value)) return false;
    codePoint = value;
    return true;
}

std::u16string Utf16Of(char32_t codePoint) {
    if (codePoint < 0x10000) return std::u16string(1, char16_t(codePoint));
    const char32_t offset = codePoint - 0x10000;
    return {char16_t(0xD800 + (offset >> 10)), char16_t(0xDC00 + (offset & 0x3FF))};
}

CharacterChoice ChooseCharacterInput(InputApi& input, const std::string& text, std::size_t at) {
    CharacterChoice choice;
    choice.keyCode = input.CharToKeyCode(text[at]);
    if (choice.keyCode != kNoKey) return choice;
    choice.units = input.DecodeAnsiCharacter(text, at, choice.length);
    if (choice.length == 0 || at + choice.length > text.size()) choice.length = 1;
    return choice;
}

}  // namespace kv
