#include "model/ImportReport.h"

#include "model/ActionKind.h"
#include "model/Convert.h"
#include "model/ListText.h"
#include "platform/Files.h"

namespace kv {

namespace {

// The slot of one line, or the reason it cannot be imported.
bool ReadRecord(const std::string& line, MacroSlot& slot, std::string& reason) {
    const std::vector<std::string> pieces = ListLinePieces(line);
    if (pieces.size() < kListLinePieces) {
        reason = "it has fewer than six fields";
        return false;
    }
    try {
        slot = SlotFromPieces(pieces);
    } catch (const ConvertError& e) {
        reason = e.what();
        return false;
    }
    if (!IsKnownActionKind(slot.ActionKind)) {
        reason = "\"" + slot.ActionKind + "\" is not a kind of action";
        return false;
    }
    return true;
}

}  // namespace

ListFileResult ImportMacroList(const std::string& importPath, MacroTable& table, std::vector<std::string>& lineList,
                               const std::string& listPath, const RegisterHotKeyFn& registerHotKey,
                               ImportReport& report) {
    report = ImportReport{};
    report.path = importPath;
    if (!PathExists(importPath)) return {};
    std::string text, reason;
    if (!ReadWholeFile(importPath, text, reason)) {
        return {false, {UserMessage{"Cannot open file \"" + importPath + "\". " + reason, true}}};
    }

    report.fileRead = true;
    const std::vector<std::string> lines = SplitLines(text);
    std::size_t i = 0;
    for (; i < lines.size(); ++i) {
        if (table.IsFull()) {
            report.stoppedEarly = "The macro list is full (" + std::to_string(kMaxMacros) +
                                  " macros). Import stopped before line " + std::to_string(i + 1) + ".";
            break;
        }
        MacroSlot slot;
        if (!ReadRecord(lines[i], slot, reason)) {
            report.skipped.push_back({i + 1, reason});
            continue;
        }
        if (slot.Enabled) {
            slot.UniqueID = registerHotKey(slot.HotKey);
            if (slot.UniqueID == 0) {
                slot.Enabled = false;
                report.refusedSlots.push_back(table.MacroCount);
            }
        }
        table.Macros[static_cast<std::size_t>(table.MacroCount)] = std::move(slot);
        ++table.MacroCount;
        ++report.added;
    }
    // SplitLines ends the text at a NUL byte: what follows is not read.
    const std::size_t nul = text.find('\0');
    if (i == lines.size() && nul != std::string::npos) {
        const std::size_t line = SplitLines(text.substr(0, nul) + "x").size();
        report.skipped.push_back({line, "it holds a NUL byte; the file was not read past it"});
    }

    ListFileResult result;
    if (report.added > 0) {
        const ListFileResult saved = SaveListFile(table, listPath, lineList);
        result.completed = saved.completed;
        result.messages = saved.messages;
    }
    result.completed = result.completed && report.stoppedEarly.empty();
    return result;
}

}  // namespace kv
