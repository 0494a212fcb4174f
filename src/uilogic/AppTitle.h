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

inline std::string TrayTip(const std::string& title) { return title.substr(0, kTrayTipMaxLength); }

// The tip while a macro plays: title: playing "description" (Esc stops). A
// long description is shortened with "..." so that the whole tip fits; line
// breaks become blanks.
inline std::string PlayingTrayTip(const std::string& title, const std::string& description) {
    const std::string head = title + ": playing \"";
    const std::string tail = "\" (Esc stops)";
    std::string text = description;
    for (char& c : text) {
        if (c == '\r' || c == '\n' || c == '\t') c = ' ';
    }
    const size_t room =
        kTrayTipMaxLength > head.size() + tail.size() ? kTrayTipMaxLength - head.size() - tail.size() : 0;
    if (text.size() > room) text = room > 3 ? text.substr(0, room - 3) + "..." : std::string();
    return TrayTip(head + text + tail);
}

}  // namespace kv
