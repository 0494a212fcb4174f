#include "dispatch/MacroBinding.h"

#include <utility>

namespace kv {

MacroBinding::MacroBinding(HotKeyApi& api, MacroRunner& runner, std::string listPath)
    : hotKeyHook(api), runner_(runner), listPath_(std::move(listPath)) {
    hotKeyHook.OnHotKeyPressed = [this](std::uint32_t HotKey, std::uint16_t Index) {
        HandleHotKeyPress(HotKey, Index);
    };
}

RegisterHotKeyFn MacroBinding::Registrar() {
    return [this](std::uint32_t hotKey) -> std::uint32_t { return hotKeyHook.AddHotKey(hotKey); };
}

ListFileResult MacroBinding::LoadListFile() { return kv::LoadListFile(listPath_, table, lineList, Registrar()); }

int MacroBinding::StoreMacro(std::uint32_t HotKey, const std::string& ActionKind, const std::string& ActionData,
                             const std::string& Description, bool editMode) {
    int index = editMode ? table.EditIndex : table.MacroCount;
    if (index < 0 || index >= kMaxMacros || (editMode && index >= table.MacroCount)) return -1;

    MacroSlot& slot = table.Macros[index];
    slot.UniqueID = hotKeyHook.AddHotKey(HotKey);
    slot.Enabled = true;
    slot.HotKey = HotKey;
    slot.ActionKind = ActionKind;
    slot.ActionData = ActionData;
    slot.Description = Description;
    slot.KeptLine.clear();
    if (!editMode) ++table.MacroCount;
    return index;
}

ListFileResult MacroBinding::SaveListFile() { return kv::SaveListFile(table, listPath_, lineList); }

void MacroBinding::HandleHotKeyPress(std::uint32_t, std::uint16_t Index) {
    if (AllDisabled) return;
    RunMacroRegisteredAs(Index);
}

void MacroBinding::RunMacroRegisteredAs(std::uint16_t Index) {
    int index = table.FindByUniqueID(Index);
    if (index < 0) return;
    const MacroSlot& slot = table.Macros[index];
    runner_.RunMacro(slot.Enabled, slot.ActionKind, slot.HotKey, slot.UniqueID, slot.ActionData, slot.Description);
}

void MacroBinding::UnregisterAllHotkeys() {
    for (int i = 0; i < table.MacroCount; ++i) hotKeyHook.RemoveHotKey(table.Macros[i].HotKey);
}

ListFileResult MacroBinding::DeleteMacro(int slot) {
    return kv::DeleteMacro(
        slot, table, lineList, listPath_, [this] { UnregisterAllHotkeys(); }, Registrar());
}

ListFileResult MacroBinding::ImportList(const std::string& path, ImportReport& report) {
    return ImportMacroList(path, table, lineList, listPath_, Registrar(), report);
}

bool MacroBinding::SwitchMacro(int slot, bool on, ListFileResult& saved) {
    saved = {};
    if (slot < 0 || slot >= table.MacroCount) return false;
    MacroSlot& macro = table.Macros[static_cast<std::size_t>(slot)];
    if (on) {
        if (macro.Enabled && macro.UniqueID != 0) return true;
        const std::uint32_t id = hotKeyHook.AddHotKey(macro.HotKey);
        if (id == 0) return false;
        macro.UniqueID = id;
        macro.Enabled = true;
    } else {
        // Only the slot's own registration: a duplicate without one must not
        // release the registration of the macro that holds the shortcut.
        if (macro.UniqueID != 0) hotKeyHook.RemoveHotKey(macro.HotKey);
        macro.UniqueID = 0;
        macro.Enabled = false;
    }
    saved = SaveListFile();
    return true;
}

std::vector<int> MacroBinding::RefusedSlots() const {
    std::vector<int> refused;
    for (int i = 0; i < table.MacroCount; ++i) {
        const MacroSlot& macro = table.Macros[static_cast<std::size_t>(i)];
        if (macro.Enabled && macro.UniqueID == 0) refused.push_back(i);
    }
    return refused;
}

ListFileResult MacroBinding::ExportList(const std::string& path) { return kv::ExportList(listPath_, path); }

}  // namespace kv
