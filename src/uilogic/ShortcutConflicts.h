#pragma once
// Who holds a shortcut the platform refused: one of this program's own
// macros, the platform itself (combinations it keeps for the system), or
// some other program. Every refusal the user sees ends with this sentence.
#include <cstdint>
#include <string>
#include <vector>

#include "model/MacroTable.h"

namespace kv {

// A combination the platform keeps for itself, with the name the tests and
// the guide use for it.
struct ReservedShortcut {
    std::uint32_t hotKey;  // packed value
    const char* name;
};

// The combinations the platform keeps: the session and shell keys (Win+L,
// Win+D, Win+E, Win+R, Win+Tab...), the secure attention and task keys
// (Ctrl+Alt+Del, Ctrl+Shift+Esc, Ctrl+Esc, Alt+Tab, Alt+Esc) and F12 alone,
// which the debugger keeps.
const std::vector<ReservedShortcut>& ReservedShortcuts();
bool IsReservedByPlatform(std::uint32_t hotKey);

// The slot other than exceptSlot whose macro holds the registration of this
// combination, -1 when none does.
int HoldingSlot(const MacroTable& table, std::uint32_t hotKey, int exceptSlot = -1);

// The sentence that names the holder of a refused shortcut:
//   "Ctrl+Shift+F5 is used by the macro "Open notes"."
//   "Win+L is reserved by Windows."
//   "Ctrl+Shift+F5 is taken by another program."
// shortcutText is HotKeyToText of hotKey; exceptSlot is the macro asking (its
// own registration is not a conflict).
std::string ConflictText(const std::string& shortcutText, std::uint32_t hotKey, const MacroTable& table,
                         int exceptSlot = -1);

}  // namespace kv
