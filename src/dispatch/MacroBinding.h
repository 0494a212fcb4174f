#pragma once
// The main window's macros: the table, the line list, the hotkey component
// and the flag that suspends all macros. Every slot is bound to one
// registration, and each press is routed back to the slot that owns it by
// the registration identifier, never by position or shortcut.
#include <cstdint>
#include <string>
#include <vector>

#include "hotkeys/HotKeyHook.h"
#include "model/ImportReport.h"
#include "model/ListFile.h"
#include "model/MacroTable.h"
#include "runner/MacroRunner.h"

namespace kv {

class MacroBinding {
public:
    MacroBinding(HotKeyApi& api, MacroRunner& runner, std::string listPath);

    MacroBinding(const MacroBinding&) = delete;
    MacroBinding& operator=(const MacroBinding&) = delete;

    const std::string& ListPath() const { return listPath_; }

    // Loads the list file into the table, registering every macro, and
    // rewrites it with the new identifiers.
    ListFileResult LoadListFile();

    // Stores a committed macro in slot EditIndex (editMode) or in the first
    // free slot, registering its shortcut. Does not save: the caller calls
    // SaveListFile right after. Returns the slot index, or -1 when a new macro
    // finds the table full.
    int StoreMacro(std::uint32_t HotKey, const std::string& ActionKind, const std::string& ActionData,
                   const std::string& Description, bool editMode);

    ListFileResult SaveListFile();

    // Handler of the component's event: ignored while AllDisabled is set.
    void HandleHotKeyPress(std::uint32_t HotKey, std::uint16_t Index);
    // Runs the first used slot registered under Index; nothing when none is.
    void RunMacroRegisteredAs(std::uint16_t Index);
    // Releases the registration of every used slot; the slots stay as they are.
    void UnregisterAllHotkeys();

    // Deletes the macro of slot through the list file; every remaining macro
    // is registered anew. The caller maps the row the user chose to its slot.
    ListFileResult DeleteMacro(int slot);
    // Appends the macros of path; the report says what became of each line.
    ListFileResult ImportList(const std::string& path, ImportReport& report);

    // The per-macro switch. Off: the registration is released, so the
    // shortcut is free for other programs, and the list is saved. On: the
    // shortcut is registered again and the list saved; false, and the macro
    // stays off, when the platform refuses it. saved holds the save's problems.
    bool SwitchMacro(int slot, bool on, ListFileResult& saved);
    // Switched-on macros that hold no registration (refused at load).
    std::vector<int> RefusedSlots() const;
    ListFileResult ExportList(const std::string& path);

    MacroTable table;
    std::vector<std::string> lineList;  // the list file's lines as last loaded or saved
    HotKeyHook hotKeyHook;
    bool AllDisabled = false;

private:
    RegisterHotKeyFn Registrar();

    MacroRunner& runner_;
    std::string listPath_;
};

}  // namespace kv
