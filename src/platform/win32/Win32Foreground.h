#pragma once
// The foreground window through user32.
#include "platform/ForegroundApi.h"

namespace kv {

class Win32Foreground : public ForegroundApi {
public:
    WindowHandle ForegroundWindow() override;
    bool IsOwnWindow(WindowHandle window) override;
    bool IsShown(WindowHandle window) override;
    // SetForegroundWindow, then waits (at most a second) until the window's
    // thread has handled the activation, so the next key finds its focus.
    bool Activate(WindowHandle window) override;
};

}  // namespace kv
