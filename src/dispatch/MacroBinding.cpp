#include "dispatch/MacroBinding.h"

#include <utility>

namespace kv {

TMacroBinding::TMacroBinding(HotKeyApi& api, TMacroRunner& runner, std::string listPath)
    : KVKeyHook1(api), runner_(runner), listPath_(std::move(listPath)) {
    KVKeyHook1.OnHotKeyPressed = [this](std::uint32_t HotKey, std::uint16_t Index) {
        KVKeyHook1HotKeyPressed(HotKey, Index);
    };
}

RegisterHotKeyFn TMacroBinding::Registrar() {
    return [this](std::uint32_t hotKey) -> std::uint32_t { return KVKeyHook1.AddHotKey(hotKey); };
}

ListFileResult TMacroBinding::LoadHotKFile() { return kv::LoadHotKFile(listPath_, table, lineList, Registrar()); }

int TMacroBinding::AddNewHotkey(std::uint32_t HotKey, const std::string& ActionKind, const std::string& ActionData,
                                const std::string& Description, bool editMode) {
    int index = editMode ? table.EditIndex : table.MacroCount;
    if (index < 0 || index >= kMaxMacros || (editMode && index >= table.MacroCount)) return -1;

    TMacroSlot& slot = table.Macros[index];
    slot.UniqueID = KVKeyHook1.AddHotKey(HotKey);
    slot.Enabled = true;
    slot.HotKey = HotKey;
    slot.ActionKind = ActionKind;
    slot.ActionData = ActionData;
    slot.Description = Description;
    slot.KeptLine.clear();
    if (!editMode) ++table.MacroCount;
    return index;
}

ListFileResult TMacroBinding::MemToFile() { return kv::MemToFile(table, listPath_, lineList); }

void TMacroBinding::KVKeyHook1HotKeyPressed(std::uint32_t, std::uint16_t Index) {
    if (AllDisabled) return;
    DoAction(Index);
}

void TMacroBinding::DoAction(std::uint16_t Index) {
    int index = table.FindByUniqueID(Index);
    if (index < 0) return;
    const TMacroSlot& slot = table.Macros[index];
    runner_.RunMacro(slot.Enabled, slot.ActionKind, slot.HotKey, slot.UniqueID, slot.ActionData, slot.Description);
}

void TMacroBinding::UnregisterAllHotkeys() {
    for (int i = 0; i < table.MacroCount; ++i) KVKeyHook1.RemoveHotKey(table.Macros[i].HotKey);
}

ListFileResult TMacroBinding::DeleteSelectedHotkey(int slot) {
    return kv::DeleteSelectedHotkey(slot, table, lineList, listPath_, [this] { UnregisterAllHotkeys(); },
                                    Registrar());
}

ListFileResult TMacroBinding::ImportHotkeyList(const std::string& path, ImportReport& report) {
    return ImportMacroList(path, table, lineList, listPath_, Registrar(), report);
}

bool TMacroBinding::SwitchMacro(int slot, bool on, ListFileResult& saved) {
    saved = {};
    if (slot < 0 || slot >= table.MacroCount) return false;
    TMacroSlot& macro = table.Macros[static_cast<std::size_t>(slot)];
    if (on) {
        if (macro.Enabled && macro.UniqueID != 0) return true;
        const std::uint32_t id = KVKeyHook1.AddHotKey(macro.HotKey);
        if (id == 0) return false;
        macro.UniqueID = id;
        macro.Enabled = true;
    } else {
        // Only the slot's own registration: a duplicate without one must not
        // release the registration of the macro that holds the shortcut.
        if (macro.UniqueID != 0) KVKeyHook1.RemoveHotKey(macro.HotKey);
        macro.UniqueID = 0;
        macro.Enabled = false;
    }
    saved = MemToFile();
    return true;
}

std::vector<int> TMacroBinding::RefusedSlots() const {
    std::vector<int> refused;
    for (int i = 0; i < table.MacroCount; ++i) {
        const TMacroSlot& macro = table.Macros[static_cast<std::size_t>(i)];
        if (macro.Enabled && macro.UniqueID == 0) refused.push_back(i);
    }
    return refused;
}

ListFileResult TMacroBinding::ExportHotkeyList(const std::string& path) {
    return kv::ExportHotkeyList(listPath_, path);
}

}  // namespace kv
