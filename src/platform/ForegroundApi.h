#pragma once
// The window that has the foreground, as the key player needs it to keep
// typing into the window the user chose and never into the program's own.
#include "platform/Types.h"

namespace kv {

class ForegroundApi {
public:
    virtual ~ForegroundApi() = default;

    // The foreground window; 0 when none.
    virtual WindowHandle ForegroundWindow() = 0;
    // True when the window belongs to this program.
    virtual bool IsOwnWindow(WindowHandle window) = 0;
    // True when the window is on screen (a hidden window can still hold the
    // foreground, and then nobody sees where the keys go).
    virtual bool IsShown(WindowHandle window) = 0;
    // Gives the window the foreground again; false when it is gone or refuses.
    virtual bool Activate(WindowHandle window) = 0;
};

}  // namespace kv
