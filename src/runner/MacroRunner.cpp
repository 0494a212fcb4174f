#include "runner/MacroRunner.h"

#include <algorithm>
#include <exception>
#include <utility>

#include "model/ActionKind.h"
#include "model/Convert.h"
#include "model/Split.h"
#include "runner/KeyEvents.h"
#include "runner/MouseEvents.h"
#include "runner/ScreenCapture.h"
#include "runner/SystemActions.h"

namespace kv {

MacroRunner::MacroRunner(RunnerPlatform platform, std::string appTitle)
    : platform_(platform), appTitle_(std::move(appTitle)), windowActions_(platform.windows) {
    playback_.keyboard = platform_.keyboard;
    playback_.foreground = platform_.foreground;
}

void MacroRunner::RequestStop() {
    if (IsPlaying()) playback_.RequestStop();
}

void MacroRunner::WatchKeyboard() {
    KeyboardWatchApi* keyboard = platform_.keyboard;
    if (!keyboard || keyboard->Active()) return;
    KeyboardWatchEvents events;
    events.onEscape = [this] { RequestStop(); };
    events.onKeyUp = [this](std::uint8_t key) {
        held_.KeyReleased(key);
        UnwatchKeyboardWhenIdle();
    };
    if (keyboard->Start(std::move(events))) keyboard->TakeEscape(IsPlaying());
}

void MacroRunner::TakeEscapeWhilePlaying() {
    // Esc stops only a key or mouse macro; the watch decides on its own
    // whether the press goes on to the window in front.
    if (platform_.keyboard) platform_.keyboard->TakeEscape(IsPlaying());
}

void MacroRunner::UnwatchKeyboardWhenIdle() {
    if (platform_.keyboard && platform_.keyboard->Active() && running_.empty() && held_.Empty()) {
        platform_.keyboard->Stop();
    }
}

InputContext MacroRunner::PlayerContext() {
    InputContext context{platform_.input, platform_.loop, platform_.shell, &platform_.system};
    context.playback = &playback_;
    return context;
}

bool MacroRunner::IsRunning(std::uint32_t UniqueID) const {
    return std::find(running_.begin(), running_.end(), UniqueID) != running_.end();
}

void MacroRunner::RunMacro(bool Enabled, const std::string& ActionKind, std::uint32_t HotKey, std::uint32_t UniqueID,
                           const std::string& ActionData, const std::string& Description) {
    if (!Enabled) return;
    const std::uint32_t now = platform_.loop.TickCount();
    // IsRepeat first: a repeat that arrives while the macro plays counts as
    // the latest press too.
    if (held_.IsRepeat(UniqueID, now) || IsRunning(UniqueID)) return;

    // The texts are copies: the table may change while this macro waits.
    const std::string kind = ActionKind;     // NOLINT(performance-unnecessary-copy-initialization)
    const std::string payload = ActionData;  // NOLINT(performance-unnecessary-copy-initialization)
    const bool plays = kind == kKindKeyEvents || kind == kKindMouseEvents;
    if (running_.empty()) playback_.ClearStop();
    WatchKeyboard();
    const std::uint8_t key = std::uint8_t(HotKey & 0xFF);
    if (platform_.keyboard && platform_.keyboard->Active() && platform_.keyboard->IsKeyDown(key)) {
        held_.Started(UniqueID, key, now);
    }
    running_.push_back(UniqueID);
    if (plays) {
        playing_.push_back(Description);
        TakeEscapeWhilePlaying();
        if (OnPlayingChanged) OnPlayingChanged();
    }
    try {
        Play(kind, payload);
    } catch (const MacroStopped&) {
        // Stopped: what was typed stays, nothing is held, nothing to report.
    } catch (const std::exception& error) {
        // A nested macro runs inside the window procedure of the outer one's
        // wait; its error must not travel through the platform's frames, so
        // each macro reports its own and only it ends.
        platform_.shell.ShowMessage(ErrorBoxText(error.what()), appTitle_, MessageIcon::Error);
    } catch (...) {
        platform_.shell.ShowMessage("Unexpected error.", appTitle_, MessageIcon::Error);
    }
    running_.erase(std::find(running_.begin(), running_.end(), UniqueID));
    if (plays) {
        playing_.pop_back();
        TakeEscapeWhilePlaying();
        if (OnPlayingChanged) OnPlayingChanged();
    }
    // A stop ends the nested macros and then the outer ones; the next
    // shortcut starts afresh.
    if (running_.empty()) playback_.ClearStop();
    UnwatchKeyboardWhenIdle();
}

void MacroRunner::Play(const std::string& kind, const std::string& payload) {
    if (kind == kKindRunProgram)
        PlayRunProgram(payload);
    else if (kind == kKindOpenUrl)
        PlayOpenUrl(payload);
    else if (kind == kKindScreenCapture)
        PlayScreenCapture(payload);
    else if (kind == kKindKeyEvents)
        PlayKeyEvents(payload);
    else if (kind == kKindMouseEvents)
        PlayMouseEvents(payload);
    else if (kind == kKindWindowActions)
        PlayWindowAction(payload);
    else if (kind == kKindMiscellaneous)
        PlayMisc(payload);
}

void MacroRunner::ShellOpenEach(const std::string& ActionData) {
    // The shell's answer is not looked at: an item it cannot open is skipped
    // and the next one is opened all the same.
    for (const std::string& item : Split(ActionData, '|')) platform_.shell.ShellOpen(owner, "OPEN", item);
}

void MacroRunner::PlayRunProgram(const std::string& ActionData) { ShellOpenEach(ActionData); }

void MacroRunner::PlayOpenUrl(const std::string& ActionData) { ShellOpenEach(ActionData); }

void MacroRunner::PlayScreenCapture(const std::string& ActionData) {
    kv::PlayScreenCapture(platform_.screen, ActionData);
}

void MacroRunner::PlayKeyEvents(const std::string& ActionData) {
    InputContext context = PlayerContext();
    kv::PlayKeyEvents(context, ActionData);
}

void MacroRunner::PlayMouseEvents(const std::string& ActionData) {
    InputContext context = PlayerContext();
    kv::PlayMouseEvents(context, ActionData);
}

void MacroRunner::PlayWindowAction(const std::string& ActionData) { windowActions_.Play(ActionData); }

void MacroRunner::PlayMisc(const std::string& ActionData) {
    PlaySystemAction(platform_.system, platform_.shell, appTitle_, ActionData);
}

}  // namespace kv
