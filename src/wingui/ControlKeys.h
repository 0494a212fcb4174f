#pragma once
// Lets a form see the keys pressed in one of its controls before the control
// does: onKeyDown gets each WM_KEYDOWN's virtual key and returns true when it
// handled the key (the control then never sees it).
#include <windows.h>

#include <functional>

namespace kv {

using KeyHandler = std::function<bool(UINT virtualKey)>;

// The handler lives as long as the control.
void PreviewKeys(HWND control, KeyHandler onKeyDown);

// Whether Ctrl is held (and neither Alt nor Shift) for the key being handled.
bool CtrlOnly();

}  // namespace kv
