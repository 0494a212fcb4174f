#pragma once
// Importing a macro list file: every record that can be read is appended to
// the table, whatever the lines around it hold, and the report says what
// became of each line. Nothing is dropped without a line in the report.
#include <cstddef>
#include <string>
#include <vector>

#include "model/ListFile.h"
#include "model/MacroTable.h"

namespace kv {

struct SkippedLine {
    std::size_t number = 0;  // counted from 1, as an editor shows it
    std::string reason;      // "it has fewer than six fields", "'yes' is not a valid boolean value"...
};

struct ImportReport {
    std::string path;
    bool fileRead = false;  // false: no such file, or it could not be read (the result says why)
    int added = 0;
    // Slots of the added macros whose shortcut the platform refused; they are
    // added switched off, so that ticking them later registers them.
    std::vector<int> refusedSlots;
    std::vector<SkippedLine> skipped;
    // Why the import ended before the last line (a full table); "" when it read them all.
    std::string stoppedEarly;
};

// Appends the macros of importPath to the table, registering the enabled
// ones, and saves the list when anything was added. A malformed line, a
// field that does not convert or an unknown action is skipped and reported;
// a full table ends the import. A missing file imports nothing and reports
// nothing. The result carries the file errors (cannot read, cannot save).
ListFileResult ImportMacroList(const std::string& importPath, MacroTable& table, std::vector<std::string>& lineList,
                               const std::string& listPath, const RegisterHotKeyFn& registerHotKey,
                               ImportReport& report);

}  // namespace kv
