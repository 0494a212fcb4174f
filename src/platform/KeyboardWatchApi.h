#pragma once
// Follows the user's keyboard while a macro plays: Esc presses that stop it,
// the modifiers the macro waits for, and the release of the shortcut's key.
// On Windows a low-level keyboard hook, installed only while it is needed.
#include <cstdint>
#include <functional>

namespace kv {

struct KeyboardWatchEvents {
    // A press of Esc on the keyboard itself; Esc keys injected by any program,
    // this one included, are not reported.
    std::function<void()> onEscape;
    // Any key that goes up, injected or not.
    std::function<void(std::uint8_t virtualKey)> onKeyUp;
};

class KeyboardWatchApi {
public:
    virtual ~KeyboardWatchApi() = default;

    // Starts following the keyboard; the events arrive on the GUI thread
    // while it dispatches messages. False when the platform refuses.
    virtual bool Start(KeyboardWatchEvents events) = 0;
    // Stops following it; may be called from inside an event.
    virtual void Stop() = 0;
    virtual bool Active() const = 0;
    // While true, the presses of Esc that onEscape reports are kept from the
    // window in front: they stop a macro and were meant for the program. Set
    // ahead, since the watch decides before the program hears of the press.
    virtual void TakeEscape(bool take) = 0;

    // While the program's own keys go out back to back, following every key
    // would make each of them wait for the watch. In such a burst the watch
    // may follow the keyboard more cheaply: a press of Esc is still reported
    // and taken (though then also one that another program injects), the
    // key-ups are reported when the burst ends, and the key state is read
    // from the platform. Only while Esc is taken; the program's own Esc must
    // go out outside a burst. OwnKeysBurst() tells whether one runs.
    virtual void SetOwnKeysBurst(bool on) = 0;
    virtual bool OwnKeysBurst() const = 0;

    // While active: whether the key is down now, as far as the key state
    // read at Start and the events since tell (Shift, Ctrl, Alt and the
    // Windows keys of either side count for their generic codes too).
    virtual bool IsKeyDown(std::uint8_t virtualKey) const = 0;
    // While active: whether Shift, Ctrl, Alt or a Windows key is down.
    virtual bool IsModifierKeyHeld() const = 0;
};

}  // namespace kv
