#include "uilogic/EditorCommit.h"

#include "hotkeys/HotKeyHook.h"
#include "hotkeys/HotKeyText.h"
#include "uilogic/EditorChecks.h"
#include "uilogic/ShortcutConflicts.h"
#include "uilogic/ShortcutPicker.h"

namespace kv {

namespace {

Notice Refusal(std::string text, MessageIcon icon = MessageIcon::Warning) { return Notice{std::move(text), icon}; }

}  // namespace

bool SlotOwnsRegistration(const MacroBinding& binding, int index) {
    const MacroTable& table = binding.table;
    if (index < 0 || index >= table.MacroCount) return false;
    const MacroSlot& slot = table.Macros[index];
    if (slot.UniqueID == 0) return false;
    for (const HotKeyRecord& record : binding.hotKeyHook.Records()) {
        if (record.HotKey == slot.HotKey && record.Id == slot.UniqueID) return true;
    }
    return false;
}

CommitOutcome CommitMacro(const CommitRequest& request, MacroBinding& binding, HotKeyApi& api,
                          const ModifierNames& names) {
    CommitOutcome outcome;
    MacroTable& table = binding.table;

    if (request.hotKey == 0) {
        outcome.refusal = Refusal(kNoHotkeySpecified);
        return outcome;
    }
    if (request.editMode) {
        if (table.EditIndex < 0 || table.EditIndex >= table.MacroCount) {
            outcome.refusal = Refusal("The macro being edited is no longer in the list.");
            return outcome;
        }
    } else if (table.IsFull()) {
        outcome.refusal = Refusal(kTableFullMessage);
        return outcome;
    }
    if (request.page < 0 || request.page >= kEditorPageCount) {
        outcome.refusal = Refusal("Please choose an action.");
        return outcome;
    }
    std::string refusal = CheckPage(request.pages, request.page);
    const std::string description = CleanDescription(request.description);
    if (refusal.empty()) refusal = CheckDescription(description);
    if (!refusal.empty()) {
        outcome.refusal = Refusal(refusal);
        return outcome;
    }

    const bool ownsOld = request.editMode && SlotOwnsRegistration(binding, table.EditIndex);
    const std::uint32_t oldHotKey = request.editMode ? table.Macros[table.EditIndex].HotKey : 0;
    const bool keepsOwn = ownsOld && SameCombination(request.hotKey, oldHotKey);
    if (!keepsOwn && !IsHotKeyAvailable(api, request.hotKey)) {
        const std::string text = HotKeyToText(api, names, request.hotKey);
        const int asking = request.editMode ? table.EditIndex : -1;
        outcome.refusal = Refusal(AlreadyUsingText(text) + "\n" + ConflictText(text, request.hotKey, table, asking),
                                  MessageIcon::None);
        return outcome;
    }

    if (ownsOld) binding.hotKeyHook.RemoveHotKey(oldHotKey);
    outcome.slot = binding.StoreMacro(request.hotKey, KindOfPage(request.page),
                                      PagePayload(request.pages, request.page), description, request.editMode);
    outcome.stored = outcome.slot >= 0;
    return outcome;
}

Notice CheckAvailability(HotKeyApi& api, const ModifierNames& names, std::uint32_t hotKey, const MacroTable& table) {
    const std::string text = HotKeyToText(api, names, hotKey);
    if (hotKey == 0) return Notice{NotAHotkeyText(text), MessageIcon::Warning};
    if (IsHotKeyAvailable(api, hotKey)) return Notice{AvailabilityText(text, true), MessageIcon::Information};
    // The edited macro's own registration is named too: the probe cannot tell it apart.
    return Notice{AvailabilityText(text, false) + "\n" + ConflictText(text, hotKey, table), MessageIcon::Information};
}

}  // namespace kv
