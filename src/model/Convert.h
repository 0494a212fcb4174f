#pragma once
// Text to number conversions with the runtime's rules and messages. Used by
// the list file reader, the delay rule, key counts and mouse coordinates.
#include <cstdint>
#include <stdexcept>
#include <string>

namespace kv {

// A runtime error that ends the current command or macro; its text is shown
// in the application's error box with a full stop added.
class ConvertError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The text of an error box: the error's own text with a full stop added
// (none when it already ends with one).
inline std::string ErrorBoxText(const std::string& text) {
    if (!text.empty() && text.back() == '.') return text;
    return text + ".";
}

// The standard integer syntax: leading spaces, an optional "+" or "-", then
// decimal digits, or hexadecimal digits after "$" or "0x". Nothing may
// follow, not even a space. Fails on an empty text and on overflow of a
// signed 32-bit number (hexadecimal may use all 32 bits).
bool TryStrToInt(const std::string& text, std::int32_t& value);

// As TryStrToInt; throws ConvertError "'%s' is not a valid integer value".
std::int32_t StrToInt(const std::string& text);

// A number gives true when it is not zero; otherwise "True" or "False" in any
// case of letters. Throws ConvertError "'%s' is not a valid boolean value".
bool StrToBool(const std::string& text);

}  // namespace kv
