#pragma once
// The editor's commit and its availability check, apart from the form: the
// form gathers its controls into a CommitRequest and shows what comes back.
#include <cstdint>
#include <string>

#include "dispatch/MacroBinding.h"
#include "hotkeys/HotKeyText.h"
#include "platform/HotKeyApi.h"
#include "platform/ShellApi.h"
#include "uilogic/EditorPages.h"

namespace kv {

// A text for a message box and its icon.
struct Notice {
    std::string text;
    MessageIcon icon = MessageIcon::None;
};

struct CommitRequest {
    bool editMode = false;     // changing the slot at the table's EditIndex
    std::uint32_t hotKey = 0;  // GetSelectedHotKey: 0 when no key is chosen
    int page = pgRunProgram;   // the page shown, whose builder makes the payload
    EditorPages pages;
    std::string description;  // mmDesc as typed
};

struct CommitOutcome {
    bool stored = false;
    int slot = -1;   // where the macro went
    Notice refusal;  // why it was not stored
};

// btAddClick up to the store, in this order:
//  1. a key must be chosen ("No hotkey specified.", a warning);
//  2. a new macro needs a free slot in the table;
//  3. the page and the description must come back unchanged from the list
//     file (EditorChecks.h); line breaks in the description become spaces;
//  4. the shortcut must be available ("... is already using. Please select
//     another hotkey." and, on a line of its own, who holds it). The edited macro's own registered shortcut counts as
//     available, so it is released only once the macro is really stored: a
//     refused commit, or an editor closed afterwards, leaves it working;
//  5. the edited macro's own registration is released and StoreMacro stores
//     the macro with the kind and payload of the page shown.
// A refused commit changes nothing. Saving (SaveListFile) is the caller's.
CommitOutcome CommitMacro(const CommitRequest& request, MacroBinding& binding, HotKeyApi& api,
                          const ModifierNames& names);

// Whether slot index holds the registration of its own shortcut in the
// binding's hotkey component (a slot whose registration was refused holds
// none, and must not release the registration of another slot with the same
// shortcut).
bool SlotOwnsRegistration(const MacroBinding& binding, int index);

// "Check availability" (SpeedButton1Click): probes the value and says so in
// an information box, naming the holder of a taken shortcut on a second line;
// with no key chosen (0), a warning. Registers nothing.
Notice CheckAvailability(HotKeyApi& api, const ModifierNames& names, std::uint32_t hotKey, const MacroTable& table);

}  // namespace kv
