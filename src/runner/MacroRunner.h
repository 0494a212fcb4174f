#pragma once
// Runs one macro: picks the player of the slot's action kind. Everything runs
// on the GUI thread; the waits of key and mouse macros keep dispatching
// messages, so another macro can run nested inside a waiting one.
#include <cstdint>
#include <string>
#include <vector>

#include "platform/InputApi.h"
#include "platform/MessageLoopApi.h"
#include "platform/ScreenApi.h"
#include "platform/ShellApi.h"
#include "platform/SystemApi.h"
#include "platform/TopLevelWindowsApi.h"
#include "runner/WindowActions.h"

namespace kv {

struct RunnerPlatform {
    MessageLoopApi& loop;
    ShellApi& shell;
    InputApi& input;
    ScreenApi& screen;
    TopLevelWindowsApi& windows;
    SystemApi& system;
};

class TMacroRunner {
public:
    TMacroRunner(RunnerPlatform platform, std::string appTitle);

    // The main window: owner of the shell requests.
    WindowHandle owner = 0;

    // Runs the slot's action unless the slot is disabled or a macro with the
    // same identifier is already running (a key macro that types its own
    // shortcut must not start itself again without end). An error raised by
    // a player ends that macro and is shown in the application's error box.
    void RunMacro(bool Enabled, const std::string& ActionKind, std::uint32_t HotKey, std::uint32_t UniqueID,
                  const std::string& ActionData, const std::string& Description);

    // True while the macro with this identifier runs.
    bool IsRunning(std::uint32_t UniqueID) const;

    void pRunPRG(const std::string& ActionData);
    void pOpenURL(const std::string& ActionData);
    void pScreenCapture(const std::string& ActionData);
    void pKeyEvent(const std::string& ActionData);
    void pMouseEvent(const std::string& ActionData);
    void pWindowsAction(const std::string& ActionData);
    void pMisc(const std::string& ActionData);

private:
    void Play(const std::string& ActionKind, const std::string& ActionData);
    void ShellOpenEach(const std::string& ActionData);

    RunnerPlatform platform_;
    std::string appTitle_;
    WindowActions windowActions_;  // remembers what "Minimize all Windows" took down
    std::vector<std::uint32_t> running_;  // identifiers of the macros now running, outermost first
};

}  // namespace kv
