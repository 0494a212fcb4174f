#pragma once
// The message boxes of another process: finding one, reading it, closing it.
#include <windows.h>

#include <string>

namespace kv::e2e {

// A visible top-level dialog (class "#32770") of the process, or null.
HWND FindDialogOf(DWORD processId);
std::string WindowText(HWND window);
// The message of a message box: the text of its first static control that
// has one (the icon's has none).
std::string MessageBoxText(HWND box);
// Presses the box's OK button (WM_CLOSE when it has none); true once the
// box is gone.
bool CloseMessageBox(HWND box, DWORD timeoutMs = 5000);

}  // namespace kv::e2e
