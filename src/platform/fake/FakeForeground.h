#pragma once
// A simulated desktop of windows: which is in front, which are the
// program's own and which are shown.
#include <set>

#include "platform/ForegroundApi.h"

namespace kv {

class FakeForeground : public ForegroundApi {
public:
    WindowHandle ForegroundWindow() override { return front; }
    bool IsOwnWindow(WindowHandle window) override { return own.count(window) != 0; }
    bool IsShown(WindowHandle window) override { return shown.count(window) != 0; }
    bool Activate(WindowHandle window) override {
        if (gone.count(window) != 0) return false;  // closed meanwhile
        ++activations;
        front = window;
        return true;
    }

    WindowHandle front = 0;
    std::set<WindowHandle> own;
    std::set<WindowHandle> shown;
    std::set<WindowHandle> gone;  // closed: they cannot be activated
    int activations = 0;
};

}  // namespace kv
