#pragma once
// Whether the key and mouse players' input can reach the window that has the
// keyboard. The system drops synthetic input for a window of a process that
// runs at a higher integrity level (an administrator's) without a word; the
// players stop there instead of typing into nothing.
#include <string>

#include "runner/KeyEvents.h"

namespace kv {

// The balloon shown when a macro stops at such a window.
std::string ElevatedWindowMessage(const std::string& windowTitle);

// False, after showing the balloon, when the window that has the keyboard
// belongs to a process of a higher integrity level than this program; true
// otherwise, and always when the context has no system to ask.
bool InputReachesForeground(InputContext& context);

}  // namespace kv
