#pragma once
// The key sender: types a key text into the window that has the keyboard
// focus by injecting synthetic key events.
//
// Key text: plain characters; brace tokens such as {ENTER} or {F5}, with an
// optional repeat count after a blank ({TAB 3}); the modifiers "+" (Shift),
// "^" (Ctrl) and "%" (Alt), which hold for the next key or, followed by "(",
// for a group up to ")"; "~" for Enter; {{} and {}} for literal braces.
#include <cstdint>
#include <string>

#include "platform/InputApi.h"
#include "platform/MessageLoopApi.h"
#include "platform/ShellApi.h"
#include "platform/SystemApi.h"

namespace kv {

class PlaybackControl;

// What the key and mouse players stand on. With a system, they stop a macro
// whose input the window that has the keyboard would not get (InputTarget.h).
struct InputContext {
    InputApi& input;
    MessageLoopApi& loop;
    ShellApi& shell;
    SystemApi* system = nullptr;
    // The stop request and the foreground rule of the macros that play
    // (runner/Playback.h); none for a bare key text.
    PlaybackControl* playback = nullptr;
    // The window the keys go to, once known.
    WindowHandle typingTarget = 0;
    // Where the last glide put the pointer: a click makes sure it is still there.
    bool hasPointerTarget = false;
    Point pointerTarget = {};
};

struct KeyName {
    const char* name;
    std::uint8_t virtualKey;
};

// The brace token names, upper case, in ascending byte order.
extern const KeyName KeyNameTable[41];

// The virtual key of a brace token name (upper case, exact match); 0 when the
// name is not in KeyNameTable.
std::uint8_t LookupKeyName(const std::string& name);

// Types the key text. With wait set, the keyboard messages each event
// produces for the program's own windows are dispatched at once, with every
// other waiting message (WM_QUIT included: the macro then ends). Returns
// false when the text is empty or a brace is not closed. No key that the
// text pressed stays down when it returns, also after an unclosed brace or
// group. Throws ConvertError for a repeat count that is not a number, and
// MacroStopped before the next key once a stop is requested.
bool SendKeySequence(InputContext& context, const std::string& text, bool wait);

// How often a macro with the repeat count text plays its items: the count
// when it is a positive number, once otherwise.
int RepeatTimes(const std::string& count);

// A macro starts while the user still holds its shortcut: typed keys and
// clicks would then carry the user's Ctrl, Shift or Alt. Waits, dispatching
// messages, until those keys are up, for at most kModifierReleaseTimeoutMs;
// it looks every kModifierPollMs, and at once when the keyboard watch reports
// a key.
constexpr std::int32_t kModifierReleaseTimeoutMs = 2000;
constexpr std::uint32_t kModifierPollMs = 1;
void WaitForModifierRelease(InputContext& context);

// Player of the KEYEVN action: target window, repeat mode and count, then
// key items and delay items.
void PlayKeyEvents(InputContext& context, const std::string& ActionData);

}  // namespace kv
