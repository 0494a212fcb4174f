#pragma once
// What the main window's macro list shows: one row per macro, narrowed by
// the filter box and ordered by the column the user clicked. Every row
// carries the slot of its macro, so that the switch, edit and delete act on
// the macro shown and never on a position in the unfiltered list.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "model/MacroTable.h"

namespace kv {

// The columns, left to right.
enum MacroColumn : int { colNumber, colShortcut, colAction, colDescription, colUniqueId, kMacroColumnCount };

struct MacroRow {
    int slot = -1;
    bool enabled = false;
    std::string cells[kMacroColumnCount];  // "#" is the slot + 1: the macro's number, whatever the view
};

struct ListOrder {
    int column = colNumber;
    bool descending = false;
};

// The rows of the used slots, in slot order. shortcutText gives
// HotKeyToText of a packed value.
std::vector<MacroRow> MacroRows(const MacroTable& table, const std::function<std::string(std::uint32_t)>& shortcutText);

// Whether the row's shortcut, action or description contains the filter,
// ignoring the case of ASCII letters. An empty filter matches every row.
bool RowMatches(const MacroRow& row, const std::string& filter);

// The indices of the rows to show, filtered and in order. Numbers ("#",
// "Unique ID") sort as numbers, the other columns as text ignoring case; equal
// cells keep slot order, whichever way the column is sorted.
std::vector<std::size_t> VisibleRows(const std::vector<MacroRow>& rows, const std::string& filter, ListOrder order);

// A click on a column header: that column ascending, or the other way round
// when it is already the sorted column.
ListOrder ClickColumn(ListOrder current, int column);

}  // namespace kv
