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
// around it: false when the text is no such number. Only whether the number
// is zero matters to the callers, so it is read without the runtime's
// strtod (which would bring in its whole floating-point parser): a number is
// zero when all its digits are, or when it lies below the smallest double
// (about 4.9e-324), where strtod would give zero too.
bool TryDecimalIsNonZero(const std::string& text, bool& nonZero) {
    size_t i = 0;
    size_t end = text.size();
    while (i < end && text[i] == ' ') ++i;
    while (end > i && text[end - 1] == ' ') --end;
    if (i < end && (text[i] == '+' || text[i] == '-')) ++i;

    auto isDigit = [](char c) { return c >= '0' && c <= '9'; };
    std::string mantissa;  // the digits, without the point
    long long whole = -1;  // how many of them stand before the point; -1 while no point came
    for (; i < end && (isDigit(text[i]) || (text[i] == '.' && whole < 0)); ++i) {
        if (text[i] == '.') {
            whole = (long long)mantissa.size();
        } else {
            mantissa += text[i];
        }
    }
    if (mantissa.empty()) return false;
    if (whole < 0) whole = (long long)mantissa.size();
    long long exponent = 0;
    if (i < end && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        bool negative = false;
        if (i < end && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
        if (i == end || !isDigit(text[i])) return false;
        for (; i < end && isDigit(text[i]); ++i) {
            if (exponent < 100000) exponent = exponent * 10 + (text[i] - '0');
        }
        if (negative) exponent = -exponent;
    }
    if (i != end) return false;

    const size_t first = mantissa.find_first_not_of('0');
    if (first == std::string::npos) {
        nonZero = false;
        return true;
    }
    // The power of ten of the first nonzero digit.
    const long long at = whole - 1 - (long long)first + exponent;
    // The smallest double is 4.9406564584124654e-324; half of it rounds to zero.
    nonZero = at > -324 || (at == -324 && mantissa.substr(first, 17) > "24703282292062327");
    return true;
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
    bool nonZero = false;
    if (TryDecimalIsNonZero(text, nonZero)) return nonZero;
    std::int32_t integer = 0;
    if (TryStrToInt(text, integer)) return integer != 0;
    if (EqualsIgnoreCase(text, "True")) return true;
    if (EqualsIgnoreCase(text, "False")) return false;
    throw ConvertError("'" + text + "' is not a valid boolean value");
}

}  // namespace kv
