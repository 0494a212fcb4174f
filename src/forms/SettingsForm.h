#pragma once
// The settings window: an empty form, shown modally from the (hidden)
// Settings commands of the main window.
#include <windows.h>

#include "platform/win32/Win32MessageLoop.h"
#include "wingui/Window.h"

namespace kv {

class TfrmSettings : public Window {
public:
    // Creates the window hidden, owned by owner: caption "Settings",
    // 434 x 320 pixels, centred on the screen.
    TfrmSettings(HWND owner, HFONT font);

    // Shows it modally until it is closed.
    void ShowModal(Win32MessageLoop& loop);

protected:
    LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    HWND owner_;
    bool closed_ = false;
};

}  // namespace kv
