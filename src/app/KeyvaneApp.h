#pragma once
// The program's one wiring point: owns the Win32 implementations of the
// platform interfaces, the message loop, the application window, the macro
// runner and the dispatcher, and hands the main window what it needs.
#include <memory>
#include <string>

#include "dispatch/MacroBinding.h"
#include "forms/MainForm.h"
#include "hotkeys/HotKeyText.h"
#include "platform/win32/Win32Foreground.h"
#include "platform/win32/Win32HotKeyApi.h"
#include "platform/win32/Win32Input.h"
#include "platform/win32/Win32KeyboardWatch.h"
#include "platform/win32/Win32MessageLoop.h"
#include "platform/win32/Win32Screen.h"
#include "platform/win32/Win32Shell.h"
#include "platform/win32/Win32System.h"
#include "platform/win32/Win32TopLevelWindows.h"
#include "runner/MacroRunner.h"
#include "wingui/Application.h"
#include "wingui/Prompts.h"

namespace kv {

class KeyvaneApp {
public:
    // Creates the application window and the main window hidden over the
    // list file at listPath: the program then lives in the tray until the
    // user asks for its window. prompts, when given, answer the forms'
    // questions instead of the platform's windows (tests).
    explicit KeyvaneApp(std::string listPath, UiPrompts* prompts = nullptr);
    // The main window goes first, then the dispatcher releases every
    // registration, then the application window.
    ~KeyvaneApp();

    KeyvaneApp(const KeyvaneApp&) = delete;
    KeyvaneApp& operator=(const KeyvaneApp&) = delete;

    // Runs the main loop until Exit; returns the exit code.
    int Run() { return loop_.Run(); }

    Win32MessageLoop& Loop() { return loop_; }
    Application& ApplicationWindow() { return application_; }
    MainForm& MainWindow() { return *mainForm_; }
    const std::string& Title() const { return title_; }

private:
    Win32MessageLoop loop_;
    Win32Shell shell_;
    Win32HotKeyApi hotKeyApi_;
    Win32Input input_;
    Win32Screen screen_;
    Win32TopLevelWindows windows_;
    Win32System system_;
    Win32KeyboardWatch keyboard_;  // follows the keyboard while a macro plays: Esc stops it
    Win32Foreground foreground_;
    Win32Prompts platformPrompts_;
    UiPrompts& prompts_;
    ModifierNames modifierNames_;
    Application application_;
    std::string title_;
    MacroRunner runner_;
    MacroBinding binding_;
    std::unique_ptr<MainForm> mainForm_;
};

}  // namespace kv
