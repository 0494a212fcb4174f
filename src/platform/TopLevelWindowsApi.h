#pragma once
// The top-level windows of the user's desktop, as "Minimize all Windows" and
// "Restore all Windows" see them.
#include <vector>

#include "platform/Types.h"

namespace kv {

struct TopLevelWindow {
    WindowHandle handle = 0;
    // Has a minimise box and takes input: a window the user could minimise.
    bool minimizable = false;
    bool minimized = false;
};

class TopLevelWindowsApi {
public:
    virtual ~TopLevelWindowsApi() = default;

    // The visible top-level windows of other programs (never this program's
    // own), in z-order, front to back.
    virtual std::vector<TopLevelWindow> OtherProgramsWindows() = 0;

    // Whether the handle still names a window, and whether it is minimised.
    virtual bool WindowExists(WindowHandle window) = 0;
    virtual bool IsMinimized(WindowHandle window) = 0;

    // ShowWindow with SW_MINIMIZE and SW_RESTORE; a restored window comes to
    // the front.
    virtual void Minimize(WindowHandle window) = 0;
    virtual void Restore(WindowHandle window) = 0;
    // Makes the window the foreground window.
    virtual void BringToFront(WindowHandle window) = 0;
};

}  // namespace kv
