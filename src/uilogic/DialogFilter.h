#pragma once
// The filter of the open and save dialogs, written as "caption|pattern|..."
// and handed to the platform as NUL-separated pairs ending in two NULs.
#include <string>

namespace kv {

constexpr const char* kMacroListFilter = "Macro list (*.lis)|*.lis|All Files(*.*)|*.*";
constexpr const char* kMacroListExtension = "lis";

inline std::string DialogFilter(const std::string& text) {
    std::string filter = text;
    for (char& c : filter) {
        if (c == '|') c = '\0';
    }
    filter.push_back('\0');
    filter.push_back('\0');
    return filter;
}

}  // namespace kv
