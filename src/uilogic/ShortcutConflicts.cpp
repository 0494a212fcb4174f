#include "uilogic/ShortcutConflicts.h"

#include "hotkeys/HotKeyValue.h"
#include "uilogic/ShortcutPicker.h"

namespace kv {

namespace {

constexpr std::uint32_t kWin = kHotKeyWin, kCtrl = kHotKeyCtrl, kShift = kHotKeyShift, kAlt = kHotKeyAlt;

}  // namespace

const std::vector<ReservedShortcut>& ReservedShortcuts() {
    static const std::vector<ReservedShortcut> table = {
        {kWin | 'L', "Win+L"},
        {kWin | 'D', "Win+D"},
        {kWin | 'E', "Win+E"},
        {kWin | 'R', "Win+R"},
        {kWin | 'M', "Win+M"},
        {kWin | 'X', "Win+X"},
        {kWin | 0x09, "Win+Tab"},
        {kCtrl | kAlt | 0x2E, "Ctrl+Alt+Del"},
        {kCtrl | kShift | 0x1B, "Ctrl+Shift+Esc"},
        {kCtrl | 0x1B, "Ctrl+Esc"},
        {kAlt | 0x09, "Alt+Tab"},
        {kAlt | kShift | 0x09, "Alt+Shift+Tab"},
        {kAlt | 0x1B, "Alt+Esc"},
        {0x7B, "F12"},
    };
    return table;
}

bool IsReservedByPlatform(std::uint32_t hotKey) {
    for (const ReservedShortcut& reserved : ReservedShortcuts()) {
        if (SameCombination(reserved.hotKey, hotKey)) return true;
    }
    return false;
}

int HoldingSlot(const MacroTable& table, std::uint32_t hotKey, int exceptSlot) {
    for (int i = 0; i < table.MacroCount; ++i) {
        const MacroSlot& slot = table.Macros[static_cast<std::size_t>(i)];
        // A slot without an identifier holds no registration (refused or switched off).
        if (i != exceptSlot && slot.UniqueID != 0 && SameCombination(slot.HotKey, hotKey)) return i;
    }
    return -1;
}

std::string ConflictText(const std::string& shortcutText, std::uint32_t hotKey, const MacroTable& table,
                         int exceptSlot) {
    const int holder = HoldingSlot(table, hotKey, exceptSlot);
    if (holder >= 0) {
        return shortcutText + " is used by the macro \"" + table.Macros[static_cast<std::size_t>(holder)].Description +
               "\".";
    }
    if (IsReservedByPlatform(hotKey)) return shortcutText + " is reserved by Windows.";
    return shortcutText + " is taken by another program.";
}

}  // namespace kv
