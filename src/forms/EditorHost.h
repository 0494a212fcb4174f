#pragma once
// What the macro editor reaches of the main window: the macros with their
// hotkey component, the platform's key names and cursor, and the two things
// the main window does after a commit (show the stored macro in its list,
// rewrite the list file).
#include <functional>
#include <string>

#include "dispatch/MacroBinding.h"
#include "hotkeys/HotKeyText.h"
#include "platform/HotKeyApi.h"
#include "platform/InputApi.h"
#include "wingui/Prompts.h"

namespace kv {

struct EditorHost {
    MacroBinding& binding;  // the table (with EditIndex), hotKeyHook, StoreMacro
    HotKeyApi& hotKeys;     // key names and the availability probe
    InputApi& input;        // the cursor position of the mouse page
    std::string title;      // caption of the program's message boxes
    // After StoreMacro stored the macro in slot: a new row, or the
    // selected row rewritten in edit mode.
    std::function<void(int slot, bool editMode)> onStored;
    // SaveListFile, its problems shown.
    std::function<void()> saveListFile;
    UiPrompts& prompts;                  // the editor's questions and file dialogs
    const ModifierNames& modifierNames;  // the platform's, for shortcut texts
};

}  // namespace kv
