#pragma once
// The desktop's top-level windows through user32.
#include "platform/TopLevelWindowsApi.h"

namespace kv {

class Win32TopLevelWindows : public TopLevelWindowsApi {
public:
    // EnumWindows order; tool windows, cloaked windows and windows of this
    // process left out.
    std::vector<TopLevelWindow> OtherProgramsWindows() override;
    bool WindowExists(WindowHandle window) override;
    bool IsMinimized(WindowHandle window) override;
    // A window whose program hangs is changed without waiting for it.
    void Minimize(WindowHandle window) override;
    void Restore(WindowHandle window) override;
    void BringToFront(WindowHandle window) override;
};

}  // namespace kv
