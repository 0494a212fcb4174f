#include "model/Split.h"

namespace kv {

namespace {

unsigned char AsciiUpper(unsigned char c) { return (c >= 'a' && c <= 'z') ? c - 'a' + 'A' : c; }

}  // namespace

bool IsBlank(const std::string& text) {
    for (char c : text) {
        if (static_cast<unsigned char>(c) > 0x20) return false;
    }
    return true;
}

std::vector<std::string> Split(const std::string& text, char separator) {
    std::vector<std::string> pieces;
    const unsigned char upperSeparator = AsciiUpper(static_cast<unsigned char>(separator));
    std::string current;
    for (char c : text) {
        if (AsciiUpper(static_cast<unsigned char>(c)) == upperSeparator) {
            if (!IsBlank(current)) pieces.push_back(current);
            current.clear();
        } else {
            current += c;
        }
    }
    if (!IsBlank(current)) pieces.push_back(current);
    return pieces;
}

}  // namespace kv
