#pragma once
// The one box shown after an import: how many macros were added, each added
// macro whose shortcut could not be registered and who holds it, and each
// line that was skipped with its number and why.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "model/ImportReport.h"
#include "model/MacroTable.h"

namespace kv {

// The text of the box. shortcutText gives HotKeyToText of a packed value.
// Long lists are cut after kImportSummaryListed entries each, with a count of
// the rest, so that the box fits on the screen.
std::string ImportSummaryText(const ImportReport& report, const MacroTable& table,
                              const std::function<std::string(std::uint32_t)>& shortcutText);

// Whether the box is a warning (something was not registered or not read).
bool ImportSummaryIsWarning(const ImportReport& report);

constexpr std::size_t kImportSummaryListed = 15;

// The box after the start-up load when switched-on macros could not register
// their shortcut: each of them and who holds it. "" when there are none.
std::string RefusedAtLoadText(const std::vector<int>& refusedSlots, const MacroTable& table,
                              const std::function<std::string(std::uint32_t)>& shortcutText);

// The box after ticking a macro whose shortcut is taken.
std::string StaysOffText(const MacroTable& table, int slot, const std::string& shortcutText);

}  // namespace kv
