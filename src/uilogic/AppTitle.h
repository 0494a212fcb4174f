#pragma once
// The application title and the texts made from it. Plain functions without
// <windows.h>, so they are tested natively.
#include <cctype>
#include <cstddef>
#include <string>

#include "model/Convert.h"

namespace kv {

// The executable's file name without its directory, cut before its first
// ".", every character after the first in lower case: MYTOOL.EXE gives Mytool.
inline std::string ApplicationTitle(const std::string& exePath) {
    const size_t slash = exePath.find_last_of("\\/:");
    std::string name = slash == std::string::npos ? exePath : exePath.substr(slash + 1);
    const size_t dot = name.find('.');
    if (dot != std::string::npos) name.resize(dot);
    for (size_t i = 1; i < name.size(); ++i) {
        name[i] = char(std::tolower(static_cast<unsigned char>(name[i])));
    }
    return name;
}

// The tray icon's tooltip holds at most 63 characters and a terminating zero.
constexpr size_t kTrayTipMaxLength = 63;

inline std::string TrayTip(const std::string& title) {
    return title.substr(0, kTrayTipMaxLength);
}

}  // namespace kv
