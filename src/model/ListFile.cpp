#include "model/ListFile.h"

#include "model/Convert.h"
#include "platform/Files.h"

namespace kv {

namespace {

UserMessage Plain(const std::string& text) { return UserMessage{text, false}; }
UserMessage Error(const std::string& text) { return UserMessage{text, true}; }

UserMessage CannotOpen(const std::string& path, const std::string& reason) {
    return Error("Cannot open file \"" + path + "\". " + reason);
}

UserMessage CannotCreate(const std::string& path, const std::string& reason) {
    return Error("Cannot create file \"" + path + "\". " + reason);
}

UserMessage TableFull(const std::string& operation, std::size_t lineIndex, const std::string& path) {
    return Plain("The macro list is full (" + std::to_string(kMaxMacros) + " macros). " + operation +
                 " stopped before line " + std::to_string(lineIndex + 1) + " of " + path + ".");
}

void Append(ListFileResult& into, const ListFileResult& from) {
    into.completed = into.completed && from.completed;
    into.messages.insert(into.messages.end(), from.messages.begin(), from.messages.end());
}

// Fills slot MacroCount from one record and registers it. False, with the
// message, when the record is malformed or does not convert.
bool AppendRecord(const std::string& line, MacroTable& table, const RegisterHotKeyFn& registerHotKey,
                  const std::string& malformedText, ListFileResult& result) {
    std::vector<std::string> pieces = ListLinePieces(line);
    if (pieces.size() < kListLinePieces) {
        result.messages.push_back(Plain(malformedText));
        return false;
    }
    TMacroSlot slot;
    try {
        slot = SlotFromPieces(pieces);
    } catch (const ConvertError& e) {
        result.messages.push_back(Error(e.what()));
        return false;
    }
    // A macro switched off holds no registration: its shortcut stays free.
    slot.UniqueID = slot.Enabled ? registerHotKey(slot.HotKey) : 0;
    table.Macros[static_cast<std::size_t>(table.MacroCount)] = std::move(slot);
    ++table.MacroCount;
    return true;
}

}  // namespace

std::string BackupPathFor(const std::string& listPath) { return listPath + ".bak"; }

ListFileResult ReadListText(const std::string& text, const std::string& path, MacroTable& table,
                            std::vector<std::string>& lineList, const RegisterHotKeyFn& registerHotKey) {
    ListFileResult result;
    table.MacroCount = 0;
    lineList = SplitLines(text);
    for (std::size_t i = 0; i < lineList.size(); ++i) {
        if (table.IsFull()) {
            result.messages.push_back(TableFull("Loading", i, path));
            result.completed = false;
            break;
        }
        if (!AppendRecord(lineList[i], table, registerHotKey, "Error on file:" + path, result)) {
            result.completed = false;
            break;
        }
    }
    table.KeepOriginalOnSave = !result.completed;
    return result;
}

ListFileResult LoadHotKFile(const std::string& path, MacroTable& table, std::vector<std::string>& lineList,
                            const RegisterHotKeyFn& registerHotKey) {
    table.MacroCount = 0;
    table.KeepOriginalOnSave = false;
    lineList.clear();
    if (!PathExists(path)) return {};

    std::string text, reason;
    if (!ReadWholeFile(path, text, reason)) return {false, {CannotOpen(path, reason)}};

    ListFileResult result = ReadListText(text, path, table, lineList, registerHotKey);
    if (result.completed) Append(result, MemToFile(table, path, lineList));
    return result;
}

ListFileResult MemToFile(const MacroTable& table, const std::string& listPath, std::vector<std::string>& lineList) {
    ListFileResult result;
    lineList.clear();
    const int count = table.MacroCount < kMaxMacros ? table.MacroCount : kMaxMacros;
    if (count <= 0) return result;

    for (int i = 0; i < count; ++i) lineList.push_back(FormatListLine(table.Macros[static_cast<std::size_t>(i)]));

    const bool listExists = PathExists(listPath);
    const std::string unchanged = listExists ? ". The previous list file was left unchanged" : "";
    std::string reason;
    if (table.KeepOriginalOnSave && listExists) {
        // The file holds lines the last load did not read; this save would drop them.
        const std::string backup = BackupPathFor(listPath);
        bool readFailed = false;
        if (!CopyFileSafely(listPath, backup, reason, readFailed)) {
            result.completed = false;
            result.messages.push_back(readFailed ? CannotOpen(listPath, reason + unchanged)
                                                 : CannotCreate(backup, reason + unchanged));
            return result;
        }
        result.messages.push_back(
            Plain("The list file had lines that were not loaded. A copy of the original file was kept as " + backup +
                  "."));
    }
    table.KeepOriginalOnSave = false;

    if (!ReplaceFileSafely(listPath, JoinLines(lineList), reason)) {
        result.completed = false;
        result.messages.push_back(CannotCreate(listPath, reason + unchanged));
    }
    return result;
}

ListFileResult DeleteSelectedHotkey(int selectedRow, MacroTable& table, std::vector<std::string>& lineList,
                                    const std::string& listPath, const std::function<void()>& unregisterAll,
                                    const RegisterHotKeyFn& registerHotKey) {
    if (selectedRow < 0 || selectedRow >= table.MacroCount) return {};
    if (static_cast<std::size_t>(selectedRow) >= lineList.size()) return {};
    if (!PathExists(listPath)) return {};

    // By position: several refused macros share the identifier 0.
    std::vector<std::string> kept = lineList;
    kept.erase(kept.begin() + selectedRow);
    std::string reason;
    if (!ReplaceFileSafely(listPath, JoinLines(kept), reason)) {
        return {false, {CannotCreate(listPath, reason + ". The previous list file was left unchanged")}};
    }
    unregisterAll();
    return LoadHotKFile(listPath, table, lineList, registerHotKey);
}

ListFileResult ImportHotkeyList(const std::string& importPath, MacroTable& table, std::vector<std::string>& lineList,
                                const std::string& listPath, const RegisterHotKeyFn& registerHotKey) {
    if (!PathExists(importPath)) return {};
    std::string text, reason;
    if (!ReadWholeFile(importPath, text, reason)) return {false, {CannotOpen(importPath, reason)}};

    ListFileResult result;
    const std::vector<std::string> lines = SplitLines(text);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (table.IsFull()) {
            // Whatever fitted is kept and saved.
            result.messages.push_back(TableFull("Import", i, importPath));
            result.completed = false;
            break;
        }
        if (!AppendRecord(lines[i], table, registerHotKey, "Invalid file:" + importPath, result)) {
            // What was appended stays, and is saved like the rest: the file
            // must mirror the table, or the next delete would lose it.
            result.completed = false;
            break;
        }
    }
    Append(result, MemToFile(table, listPath, lineList));
    return result;
}

ListFileResult ExportHotkeyList(const std::string& listPath, const std::string& exportPath) {
    std::string text, reason;
    if (!ReadWholeFile(listPath, text, reason)) return {false, {CannotOpen(listPath, reason)}};
    if (!ReplaceFileSafely(exportPath, JoinLines(SplitLines(text)), reason)) {
        return {false, {CannotCreate(exportPath, reason)}};
    }
    return {true, {Plain("Export succesfully completed.")}};
}

}  // namespace kv
