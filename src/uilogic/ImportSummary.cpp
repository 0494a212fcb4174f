#include "uilogic/ImportSummary.h"

#include "uilogic/ShortcutConflicts.h"

namespace kv {

namespace {

std::string Count(int n, const char* one, const char* many) { return std::to_string(n) + " " + (n == 1 ? one : many); }

// Appends each entry on a line of its own, the first kImportSummaryListed of them.
template <typename List, typename Describe>
void AppendListed(std::string& text, const List& list, Describe describe) {
    for (std::size_t i = 0; i < list.size() && i < kImportSummaryListed; ++i) text += "\n" + describe(list[i]);
    if (list.size() > kImportSummaryListed) {
        text += "\n... and " + std::to_string(list.size() - kImportSummaryListed) + " more.";
    }
}

// "Description": who holds its shortcut.
std::string RefusedLine(const MacroTable& table, int slot,
                        const std::function<std::string(std::uint32_t)>& shortcutText) {
    const MacroSlot& macro = table.Macros[static_cast<std::size_t>(slot)];
    return "\"" + macro.Description + "\": " + ConflictText(shortcutText(macro.HotKey), macro.HotKey, table, slot);
}

}  // namespace

std::string ImportSummaryText(const ImportReport& report, const MacroTable& table,
                              const std::function<std::string(std::uint32_t)>& shortcutText) {
    std::string text = Count(report.added, "macro was", "macros were") + " added from " + report.path + ".";
    if (!report.refusedSlots.empty()) {
        text += "\n\n" + Count(int(report.refusedSlots.size()), "macro is", "macros are") +
                " switched off because the shortcut could not be registered:";
        AppendListed(text, report.refusedSlots, [&](int slot) { return RefusedLine(table, slot, shortcutText); });
    }
    if (!report.skipped.empty()) {
        text += "\n\n" + Count(int(report.skipped.size()), "line was", "lines were") + " skipped:";
        AppendListed(text, report.skipped, [](const SkippedLine& line) {
            return "Line " + std::to_string(line.number) + ": " + line.reason + ".";
        });
    }
    if (!report.stoppedEarly.empty()) text += "\n\n" + report.stoppedEarly;
    return text;
}

bool ImportSummaryIsWarning(const ImportReport& report) {
    return !report.refusedSlots.empty() || !report.skipped.empty() || !report.stoppedEarly.empty();
}

std::string RefusedAtLoadText(const std::vector<int>& refusedSlots, const MacroTable& table,
                              const std::function<std::string(std::uint32_t)>& shortcutText) {
    if (refusedSlots.empty()) return std::string();
    std::string text = "These macros do not run because their shortcut could not be registered:";
    AppendListed(text, refusedSlots, [&](int slot) { return RefusedLine(table, slot, shortcutText); });
    return text;
}

std::string StaysOffText(const MacroTable& table, int slot, const std::string& shortcutText) {
    const MacroSlot& macro = table.Macros[static_cast<std::size_t>(slot)];
    return "The macro \"" + macro.Description +
           "\" stays off: " + ConflictText(shortcutText, macro.HotKey, table, slot);
}

}  // namespace kv
