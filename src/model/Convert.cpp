#include "model/Convert.h"

#include <cstdlib>
#include <cstring>

namespace kv {

namespace {

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

bool EqualsIgnoreCase(const std::string& a, const char* b) {
    size_t n = std::strlen(b);
    if (a.size() != n) return false;
    for (size_t i = 0; i < n; ++i) {
        char x = a[i], y = b[i];
        if (x >= 'a' && x <= 'z') x = char(x - 'a' + 'A');
        if (y >= 'a' && y <= 'z') y = char(y - 'a' + 'A');
        if (x != y) return false;
    }
    return true;
}

// A decimal number with an optional fraction and exponent, blanks allowed
// around it.
bool TryStrToFloat(const std::string& text, double& value) {
    size_t i = 0;
    while (i < text.size() && text[i] == ' ') ++i;
    size_t end = text.size();
    while (end > i && text[end - 1] == ' ') --end;
    if (i == end) return false;
    std::string body = text.substr(i, end - i);
    for (char c : body) {
        if (!((c >= '0' && c <= '9') || c == '+' || c == '-' || c == '.' || c == 'e' || c == 'E')) return false;
    }
    char* stop = nullptr;
    value = std::strtod(body.c_str(), &stop);
    return stop == body.c_str() + body.size();
}

}  // namespace

bool TryStrToInt(const std::string& text, std::int32_t& value) {
    size_t i = 0;
    const size_t n = text.size();
    while (i < n && text[i] == ' ') ++i;
    bool negative = false;
    if (i < n && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    bool hex = false;
    if (i < n && text[i] == '$') {
        hex = true;
        ++i;
    } else if (i + 1 < n && text[i] == '0' && (text[i + 1] == 'x' || text[i + 1] == 'X')) {
        hex = true;
        i += 2;
    }
    if (i >= n) return false;

    std::uint64_t magnitude = 0;
    for (; i < n; ++i) {
        int digit = hex ? HexDigit(text[i]) : (text[i] >= '0' && text[i] <= '9' ? text[i] - '0' : -1);
        if (digit < 0) return false;
        magnitude = magnitude * (hex ? 16 : 10) + std::uint64_t(digit);
        if (magnitude > 0xFFFFFFFFull) return false;
    }

    if (hex) {
        std::uint32_t bits = std::uint32_t(magnitude);
        if (negative) bits = 0u - bits;
        value = std::int32_t(bits);
        return true;
    }
    if (negative) {
        if (magnitude > 0x80000000ull) return false;
        value = std::int32_t(0 - std::int64_t(magnitude));
    } else {
        if (magnitude > 0x7FFFFFFFull) return false;
        value = std::int32_t(magnitude);
    }
    return true;
}

std::int32_t StrToInt(const std::string& text) {
    std::int32_t value = 0;
    if (!TryStrToInt(text, value)) throw ConvertError("'" + text + "' is not a valid integer value");
    return value;
}

bool StrToBool(const std::string& text) {
    double number = 0;
    if (TryStrToFloat(text, number)) return number != 0;
    std::int32_t integer = 0;
    if (TryStrToInt(text, integer)) return integer != 0;
    if (EqualsIgnoreCase(text, "True")) return true;
    if (EqualsIgnoreCase(text, "False")) return false;
    throw ConvertError("'" + text + "' is not a valid boolean value");
}

}  // namespace kv
