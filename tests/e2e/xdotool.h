#pragma once
// Input at the X level: xdotool on the test display. Wine takes it as the
// user's own keyboard and mouse, not as injected input.
#include <windows.h>

#include <string>

namespace kv::e2e {

// Runs xdotool with the arguments (blank-separated words) and waits for it;
// true when it was started (its own exit status is not reported).
bool Xdotool(const std::string& arguments, DWORD timeoutMs = 10000);
// Runs xset (from x11-xserver-utils) the same way.
bool Xset(const std::string& arguments, DWORD timeoutMs = 10000);

}  // namespace kv::e2e
