#pragma once
// Loading, saving, deleting, importing and exporting the macro list file.
// The line list is the caller's copy of the file's lines as last loaded or
// saved; after a complete load or a save, line k is the record of slot k.
// Messages are returned for the caller to show; nothing here shows a window.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "model/ListText.h"
#include "model/MacroTable.h"

namespace kv {

// Registers a shortcut (AddHotKey): the identifier, or 0 when refused.
using RegisterHotKeyFn = std::function<std::uint32_t(std::uint32_t hotKey)>;

// isError: an error box with the text and a full stop added; else a plain
// message box with the text as it is.
struct UserMessage {
    std::string text;
    bool isError = false;
};

// completed is false when the operation was cut short by a problem (a file
// that cannot be read or written, a malformed line, a conversion error, the
// table's limit); the messages say what happened. Stopping quietly because
// there is nothing to do (no file, no row selected) counts as completed.
struct ListFileResult {
    bool completed = true;
    std::vector<UserMessage> messages;
};

// Replaces the used slots by the macros of the file, registering each
// shortcut, and rewrites the file in the writer's form when every line was
// read. No file: an empty table, nothing written. A load that stops early
// (malformed line, conversion error, more than 1000 lines) keeps the slots
// read so far, leaves the file as it is and marks the table so that the next
// save first keeps a copy of the file as path + ".bak".
ListFileResult LoadListFile(const std::string& path, MacroTable& table, std::vector<std::string>& lineList,
                            const RegisterHotKeyFn& registerHotKey);

// What LoadListFile does with the file's text once read: fills the table and
// the line list, without touching the disk and without the final save.
ListFileResult ReadListText(const std::string& text, const std::string& path, MacroTable& table,
                            std::vector<std::string>& lineList, const RegisterHotKeyFn& registerHotKey);

// Writes the used slots to the list file, replacing it safely; the line list
// then holds the written lines. With no used slot the file is left as it is.
// After a load that stopped early, the file is first copied to
// listPath + ".bak" and a message says so.
ListFileResult SaveListFile(const MacroTable& table, const std::string& listPath, std::vector<std::string>& lineList);

// Deletes the macro of row selectedRow (row k is slot k, so of several macros
// whose registration was refused only that one goes): the list file is
// rewritten without line k, every registration released and the file loaded
// again. Nothing happens without a valid row or without a list file.
ListFileResult DeleteMacro(int selectedRow, MacroTable& table, std::vector<std::string>& lineList,
                           const std::string& listPath, const std::function<void()>& unregisterAll,
                           const RegisterHotKeyFn& registerHotKey);

// Writes the lines of the list file, each ending in CR LF, to exportPath.
ListFileResult ExportList(const std::string& listPath, const std::string& exportPath);

// The path of the copy kept before saving over a partly loaded list file.
std::string BackupPathFor(const std::string& listPath);

}  // namespace kv
