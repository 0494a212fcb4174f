#pragma once
// What the main window works with, handed in by the application object that
// owns it all: the GUI thread's loop and application window, the platform
// interfaces, the macro runner and the dispatcher, the prompts and the
// platform's modifier names. A test hands in fakes instead.
#include "dispatch/MacroBinding.h"
#include "hotkeys/HotKeyText.h"
#include "platform/HotKeyApi.h"
#include "platform/InputApi.h"
#include "platform/ShellApi.h"
#include "platform/win32/Win32MessageLoop.h"
#include "runner/MacroRunner.h"
#include "wingui/Application.h"
#include "wingui/Prompts.h"

namespace kv {

struct MainFormServices {
    Win32MessageLoop& loop;    // the main loop and the loops of the modal windows
    Application& application;  // owns the main window, carries the taskbar button
    ShellApi& shell;           // message boxes and web pages
    HotKeyApi& hotKeys;        // key names and the availability probe
    InputApi& input;           // the cursor position of the editor's mouse page
    MacroRunner& runner;       // its shell requests are owned by the main window
    MacroBinding& binding;     // the macros, their registrations and the list file
    UiPrompts& prompts;        // the questions put to the user
    const ModifierNames& modifierNames;
};

}  // namespace kv
