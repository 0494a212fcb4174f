#pragma once
// A simulated desktop of top-level windows: a z-order a test sets up, with
// every minimise, restore and activation recorded.
#include <string>
#include <vector>

#include "platform/TopLevelWindowsApi.h"

namespace kv {

class FakeTopLevelWindows : public TopLevelWindowsApi {
public:
    struct Window {
        WindowHandle handle = 0;
        bool visible = true;
        bool minimizable = true;
        bool minimized = false;
        bool ours = false;  // this program's own
    };
    // One call that changed a window: "minimize", "restore" or "front".
    struct Call {
        std::string what;
        WindowHandle window;
        bool operator==(const Call& o) const { return what == o.what && window == o.window; }
    };

    std::vector<TopLevelWindow> OtherProgramsWindows() override;
    bool WindowExists(WindowHandle window) override;
    bool IsMinimized(WindowHandle window) override;
    void Minimize(WindowHandle window) override;
    // Also brings the window to the front, as the platform does.
    void Restore(WindowHandle window) override;
    void BringToFront(WindowHandle window) override;

    // A new window in front of the others.
    void Open(WindowHandle handle, bool minimizable = true);
    // The window is gone (closed by its program).
    void Close(WindowHandle handle);
    // The handles in z-order, front to back.
    std::vector<WindowHandle> ZOrder() const;

    std::vector<Window> windows;  // front to back
    std::vector<Call> calls;
    WindowHandle foreground = 0;

private:
    Window* Find(WindowHandle handle);
    void ToFront(WindowHandle handle);
};

}  // namespace kv
