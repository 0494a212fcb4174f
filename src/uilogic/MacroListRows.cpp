#include "uilogic/MacroListRows.h"

#include <algorithm>

#include "model/ActionKind.h"

namespace kv {

namespace {

char Lower(char c) { return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c; }

std::string Lowered(const std::string& text) {
    std::string lower = text;
    for (char& c : lower) c = Lower(c);
    return lower;
}

// Whether lowerNeedle (already lower case) occurs in text, ignoring case.
bool ContainsLowered(const std::string& text, const std::string& lowerNeedle) {
    if (lowerNeedle.size() > text.size()) return false;
    const auto equal = [](char a, char b) { return Lower(a) == b; };
    return std::search(text.begin(), text.end(), lowerNeedle.begin(), lowerNeedle.end(), equal) != text.end();
}

bool MatchesLowered(const MacroRow& row, const std::string& lower) {
    return lower.empty() || ContainsLowered(row.cells[colShortcut], lower) ||
           ContainsLowered(row.cells[colAction], lower) || ContainsLowered(row.cells[colDescription], lower);
}

bool IsNumberColumn(int column) { return column == colNumber || column == colUniqueId; }

// <0, 0, >0 as a comes before, with or after b in ascending order.
int Compare(const MacroRow& a, const MacroRow& b, int column) {
    if (IsNumberColumn(column)) {
        const unsigned long x = std::stoul("0" + a.cells[column]), y = std::stoul("0" + b.cells[column]);
        return x < y ? -1 : (x > y ? 1 : 0);
    }
    const std::string& x = a.cells[column];
    const std::string& y = b.cells[column];
    for (std::size_t i = 0; i < x.size() && i < y.size(); ++i) {
        const char cx = Lower(x[i]), cy = Lower(y[i]);
        if (cx != cy) return static_cast<unsigned char>(cx) < static_cast<unsigned char>(cy) ? -1 : 1;
    }
    return x.size() < y.size() ? -1 : (x.size() > y.size() ? 1 : 0);
}

}  // namespace

std::vector<MacroRow> MacroRows(const MacroTable& table,
                                const std::function<std::string(std::uint32_t)>& shortcutText) {
    std::vector<MacroRow> rows;
    rows.reserve(static_cast<std::size_t>(table.MacroCount));
    for (int i = 0; i < table.MacroCount; ++i) {
        const MacroSlot& slot = table.Macros[static_cast<std::size_t>(i)];
        MacroRow row;
        row.slot = i;
        row.enabled = slot.Enabled;
        row.cells[colNumber] = std::to_string(i + 1);
        row.cells[colShortcut] = shortcutText(slot.HotKey);
        row.cells[colAction] = ActionDisplayName(slot.ActionKind);
        row.cells[colDescription] = slot.Description;
        row.cells[colUniqueId] = std::to_string(slot.UniqueID);
        rows.push_back(std::move(row));
    }
    return rows;
}

bool RowMatches(const MacroRow& row, const std::string& filter) { return MatchesLowered(row, Lowered(filter)); }

std::vector<std::size_t> VisibleRows(const std::vector<MacroRow>& rows, const std::string& filter, ListOrder order) {
    const std::string lower = Lowered(filter);
    std::vector<std::size_t> visible;
    visible.reserve(rows.size());
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (MatchesLowered(rows[i], lower)) visible.push_back(i);
    }
    if (order.column < 0 || order.column >= kMacroColumnCount) return visible;
    std::stable_sort(visible.begin(), visible.end(), [&](std::size_t a, std::size_t b) {
        const int c = Compare(rows[a], rows[b], order.column);
        return order.descending ? c > 0 : c < 0;
    });
    return visible;
}

ListOrder ClickColumn(ListOrder current, int column) {
    if (current.column == column) return {column, !current.descending};
    return {column, false};
}

}  // namespace kv
