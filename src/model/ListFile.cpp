#include "model/ListFile.h"

#include "model/ActionKind.h"
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

std::string LineOf(std::size_t lineIndex) { return ", line " + std::to_string(lineIndex + 1); }

void Append(ListFileResult& into, const ListFileResult& from) {
    into.completed = into.completed && from.completed;
    into.messages.insert(into.messages.end(), from.messages.begin(), from.messages.end());
}

// Fills slot MacroCount from line lineIndex of path and registers it. False,
// with the message, when the record is malformed or does not convert.
bool AppendRecord(const std::string& line, std::size_t lineIndex, const std::string& path, MacroTable& table,
                  const RegisterHotKeyFn& registerHotKey, const std::string& malformedText, ListFileResult& result) {
    std::vector<std::string> pieces = ListLinePieces(line);
    if (pieces.size() < kListLinePieces) {
        result.messages.push_back(Plain(malformedText + path + LineOf(lineIndex) + "."));
        return false;
    }
    MacroSlot slot;
    try {
        slot = SlotFromPieces(pieces);
    } catch (const ConvertError& e) {
        result.messages.push_back(Error(std::string(e.what()) + " (" + path + LineOf(lineIndex) + ")"));
        return false;
    }
    if (!IsKnownActionKind(slot.ActionKind)) {
        // Perhaps written by a newer program: kept whole, so that no save loses it.
        slot.KeptLine = line;
        result.messages.push_back(Plain("Line " + std::to_string(lineIndex + 1) + " of " + path +
                                        " has the unknown action kind \"" + slot.ActionKind +
                                        "\". It is kept as it is and runs nothing."));
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
    std::size_t nulLine = std::string::npos;
    lineList = SplitLines(text, &nulLine);
    for (std::size_t i = 0; i < lineList.size(); ++i) {
        if (table.IsFull()) {
            result.messages.push_back(TableFull("Loading", i, path));
            result.completed = false;
            break;
        }
        if (!AppendRecord(lineList[i], i, path, table, registerHotKey, "Error on file:", result)) {
            result.completed = false;
            break;
        }
    }
    if (result.completed && nulLine != std::string::npos) {
        // The text ends at the NUL; what follows it was not read.
        result.messages.push_back(Plain("Line " + std::to_string(nulLine + 1) + " of " + path +
                                        " holds a NUL byte: the list was read only up to it."));
        result.completed = false;
    }
    table.KeepOriginalOnSave = !result.completed;
    return result;
}

ListFileResult LoadListFile(const std::string& path, MacroTable& table, std::vector<std::string>& lineList,
                            const RegisterHotKeyFn& registerHotKey) {
    table.MacroCount = 0;
    table.KeepOriginalOnSave = false;
    lineList.clear();
    if (!PathExists(path)) return {};

    std::string text, reason;
    if (!ReadWholeFile(path, text, reason)) {
        // Like a load that stopped at once: the file is copied aside before
        // the first save, or the save is refused.
        table.KeepOriginalOnSave = true;
        return {false, {CannotOpen(path, reason + ". The list could not be read; no macro was loaded")}};
    }

    ListFileResult result = ReadListText(text, path, table, lineList, registerHotKey);
    if (result.completed) Append(result, SaveListFile(table, path, lineList));
    return result;
}

namespace {

// Before the first change of a list file whose last load stopped early:
// copies it to the backup path. False, with the message, when the copy
// failed; the change must then not be made.
bool KeepOriginal(const MacroTable& table, const std::string& listPath, ListFileResult& result) {
    if (!table.KeepOriginalOnSave || !PathExists(listPath)) return true;
    const std::string unchanged = ". The list file was left unchanged, so that the lines that were not loaded are kept";
    const std::string backup = BackupPathFor(listPath);
    std::string reason;
    bool readFailed = false;
    if (!CopyFileSafely(listPath, backup, reason, readFailed)) {
        result.completed = false;
        result.messages.push_back(readFailed ? CannotOpen(listPath, reason + unchanged)
                                             : CannotCreate(backup, reason + unchanged));
        return false;
    }
    result.messages.push_back(
        Plain("The list file had lines that were not loaded. A copy of the original file was kept as " + backup + "."));
    table.KeepOriginalOnSave = false;
    return true;
}

}  // namespace

ListFileResult SaveListFile(const MacroTable& table, const std::string& listPath, std::vector<std::string>& lineList) {
    ListFileResult result;
    const int count = table.MacroCount < kMaxMacros ? table.MacroCount : kMaxMacros;
    if (count <= 0) {
        lineList.clear();
        return result;
    }

    std::vector<std::string> lines;
    for (int i = 0; i < count; ++i) lines.push_back(FormatListLine(table.Macros[static_cast<std::size_t>(i)]));

    // The line list changes only with the file: a refused save keeps the
    // lines a later delete must write back.
    if (!KeepOriginal(table, listPath, result)) return result;
    const std::string unchanged = PathExists(listPath) ? ". The previous list file was left unchanged" : "";
    std::string reason;
    if (!ReplaceFileSafely(listPath, JoinLines(lines), reason)) {
        result.completed = false;
        result.messages.push_back(CannotCreate(listPath, reason + unchanged));
        return result;
    }
    lineList = std::move(lines);
    return result;
}

ListFileResult DeleteMacro(int selectedRow, MacroTable& table, std::vector<std::string>& lineList,
                           const std::string& listPath, const std::function<void()>& unregisterAll,
                           const RegisterHotKeyFn& registerHotKey) {
    if (selectedRow < 0 || selectedRow >= table.MacroCount) return {};
    if (static_cast<std::size_t>(selectedRow) >= lineList.size()) return {};
    if (!PathExists(listPath)) return {};

    // By position: several refused macros share the identifier 0.
    std::vector<std::string> kept = lineList;
    kept.erase(kept.begin() + selectedRow);
    ListFileResult result;
    if (!KeepOriginal(table, listPath, result)) return result;
    std::string reason;
    if (!ReplaceFileSafely(listPath, JoinLines(kept), reason)) {
        result.completed = false;
        result.messages.push_back(CannotCreate(listPath, reason + ". The previous list file was left unchanged"));
        return result;
    }
    unregisterAll();
    Append(result, LoadListFile(listPath, table, lineList, registerHotKey));
    return result;
}

ListFileResult ExportList(const std::string& listPath, const std::string& exportPath) {
    std::string text, reason;
    if (!ReadWholeFile(listPath, text, reason)) return {false, {CannotOpen(listPath, reason)}};
    if (!ReplaceFileSafely(exportPath, JoinLines(SplitLines(text)), reason)) {
        return {false, {CannotCreate(exportPath, reason)}};
    }
    return {true, {Plain("Export succesfully completed.")}};
}

}  // namespace kv
