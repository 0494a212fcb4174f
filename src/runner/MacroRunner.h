#pragma once
// Runs one macro: picks the player of the slot's action kind. Everything runs
// on the GUI thread; the waits of key and mouse macros keep dispatching
// messages, so another macro can run nested inside a waiting one.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "platform/ForegroundApi.h"
#include "platform/InputApi.h"
#include "platform/KeyboardWatchApi.h"
#include "platform/MessageLoopApi.h"
#include "platform/ScreenApi.h"
#include "platform/ShellApi.h"
#include "platform/SystemApi.h"
#include "platform/TopLevelWindowsApi.h"
#include "runner/HeldShortcuts.h"
#include "runner/Playback.h"
#include "runner/WindowActions.h"

namespace kv {

struct RunnerPlatform {
    MessageLoopApi& loop;
    ShellApi& shell;
    InputApi& input;
    ScreenApi& screen;
    TopLevelWindowsApi& windows;
    SystemApi& system;
    // Optional: without a keyboard watch no Esc stops a macro and held
    // shortcuts are not recognised; without the foreground, keys go wherever
    // the focus is.
    KeyboardWatchApi* keyboard = nullptr;
    ForegroundApi* foreground = nullptr;
};

class MacroRunner {
public:
    MacroRunner(RunnerPlatform platform, std::string appTitle);

    // The main window: owner of the shell requests.
    WindowHandle owner = 0;

    // Runs the slot's action unless the slot is disabled, a macro with the
    // same identifier is already running (a key macro that types its own
    // shortcut must not start itself again without end, and a press while it
    // plays is dropped, not kept for later), or the press repeats the one that
    // started it (the user still holds the shortcut). An error raised by a
    // player ends that macro and is shown in the application's error box; a
    // stop ends it quietly.
    void RunMacro(bool Enabled, const std::string& ActionKind, std::uint32_t HotKey, std::uint32_t UniqueID,
                  const std::string& ActionData, const std::string& Description);

    // True while the macro with this identifier runs.
    bool IsRunning(std::uint32_t UniqueID) const;

    // True while a key or mouse macro plays (nested ones included).
    bool IsPlaying() const { return !playing_.empty(); }
    // The description of the innermost key or mouse macro that plays.
    std::string PlayingDescription() const { return playing_.empty() ? std::string() : playing_.back(); }
    // Ends every key and mouse macro that plays at its next step, nested ones
    // included; nothing when none plays.
    void RequestStop();
    // Raised when a key or mouse macro starts or ends playing.
    std::function<void()> OnPlayingChanged;

    void PlayRunProgram(const std::string& ActionData);
    void PlayOpenUrl(const std::string& ActionData);
    void PlayScreenCapture(const std::string& ActionData);
    void PlayKeyEvents(const std::string& ActionData);
    void PlayMouseEvents(const std::string& ActionData);
    void PlayWindowAction(const std::string& ActionData);
    void PlayMisc(const std::string& ActionData);

private:
    void Play(const std::string& ActionKind, const std::string& ActionData);
    void ShellOpenEach(const std::string& ActionData);
    InputContext PlayerContext();
    // The keyboard watch runs while a macro runs or a shortcut that started
    // one is still held.
    void WatchKeyboard();
    void UnwatchKeyboardWhenIdle();
    void TakeEscapeWhilePlaying();

    RunnerPlatform platform_;
    std::string appTitle_;
    WindowActions windowActions_;         // remembers what "Minimize all Windows" took down
    std::vector<std::uint32_t> running_;  // identifiers of the macros now running, outermost first
    std::vector<std::string> playing_;    // descriptions of the key and mouse macros now playing
    PlaybackControl playback_;
    HeldShortcuts held_;
};

}  // namespace kv
