#pragma once
// What the key and mouse players share while they play: the stop request
// that ends them at their next step, the keyboard watch, and the rule that
// keys go to the window the user works in, never to the program's own.
#include <cstdint>

#include "platform/ForegroundApi.h"
#include "platform/KeyboardWatchApi.h"
#include "runner/KeyEvents.h"

namespace kv {

// Thrown at a player's next step once a stop is requested. Not an
// std::exception: the runner's error box must never show it.
struct MacroStopped {};

class PlaybackControl {
public:
    void RequestStop() { stopRequested_ = true; }
    void ClearStop() { stopRequested_ = false; }
    bool StopRequested() const { return stopRequested_; }

    // Both optional: without them the players only check for a stop.
    KeyboardWatchApi* keyboard = nullptr;
    ForegroundApi* foreground = nullptr;

private:
    bool stopRequested_ = false;
};

// Throws MacroStopped when a stop is requested or the program is ending.
void CheckStop(const InputContext& context);

// Delay that checks for a stop after every pass of message dispatch, so a
// stop ends even a long wait at once.
void PlayDelay(InputContext& context, std::int32_t ms);

// Called before each key goes out. Checks for a stop; while one of the
// program's own windows that the user can see is in front (the main window,
// a message box), waits; when a hidden one holds the foreground (the main
// window after its tray menu closed), gives the foreground back to the
// window that had it, so typing resumes there.
void AwaitTypingTurn(InputContext& context);

// Sets whether the keys the player sends now go out as a burst of its own
// (KeyboardWatchApi::SetOwnKeysBurst) and puts back what was set before when
// it ends: a nested macro plays inside the outer one's burst.
class OwnKeysBurst {
public:
    OwnKeysBurst(const InputContext& context, bool on);
    ~OwnKeysBurst();
    OwnKeysBurst(const OwnKeysBurst&) = delete;
    OwnKeysBurst& operator=(const OwnKeysBurst&) = delete;

private:
    KeyboardWatchApi* keyboard_;
    bool before_ = false;
};

// True while the user holds Shift, Ctrl, Alt or a Windows key: from the
// keyboard watch while it runs, else from the key state.
bool ModifierKeyHeld(InputContext& context);

}  // namespace kv
