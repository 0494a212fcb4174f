#pragma once
// The macro table: a fixed array of slots of which the first MacroCount are
// in use, kept in list order (slot k is line k of the list file and row k of
// the macro list view).
#include <array>
#include <cstdint>
#include <string>

namespace kv {

struct MacroSlot {
    bool Enabled = false;
    // The registration identifier AddHotKey returned; 0 when it was refused.
    std::uint32_t UniqueID = 0;
    std::uint32_t HotKey = 0;  // packed shortcut value
    std::string ActionKind;
    std::string ActionData;
    std::string Description;
    // A record of an action kind this program does not know, as read from
    // the list file: it is written back unchanged. Empty for every other slot.
    std::string KeptLine;
};

constexpr int kMaxMacros = 1000;

struct MacroTable {
    std::array<MacroSlot, kMaxMacros> Macros{};
    int MacroCount = 0;
    int EditIndex = 0;

    // Set when the last load stopped before the end of its file: the file
    // still holds lines the table lacks, so the next save first keeps a copy
    // of it. The save clears it; it is bookkeeping of the file, not of the
    // macros, hence writable through a const table.
    mutable bool KeepOriginalOnSave = false;

    // The lowest used slot with that identifier, -1 if none. Several slots
    // may carry 0 (refused registrations): tell those apart by position.
    int FindByUniqueID(std::uint32_t id) const;
    bool IsFull() const;
};

}  // namespace kv
