#pragma once
// The seven action kind codes a slot stores, and the names the macro list
// shows for them.
#include <string>

namespace kv {

inline constexpr char kKindRunProgram[] = "RUNPRG";
inline constexpr char kKindOpenUrl[] = "OPNURL";
inline constexpr char kKindScreenCapture[] = "SCRCAP";
inline constexpr char kKindKeyEvents[] = "KEYEVN";
inline constexpr char kKindMouseEvents[] = "MOUSEE";
inline constexpr char kKindWindowActions[] = "WINACT";
inline constexpr char kKindMiscellaneous[] = "MISCEL";

// "Run Program" for "RUNPRG" and so on; "Unknown (<code>)" for a code that is
// none of the seven (codes are compared whole and case-sensitive).
std::string ActionDisplayName(const std::string& code);

bool IsKnownActionKind(const std::string& code);

}  // namespace kv
