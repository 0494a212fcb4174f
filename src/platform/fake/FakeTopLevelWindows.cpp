#include "platform/fake/FakeTopLevelWindows.h"

#include <algorithm>

namespace kv {

FakeTopLevelWindows::Window* FakeTopLevelWindows::Find(WindowHandle handle) {
    for (Window& w : windows) {
        if (w.handle == handle) return &w;
    }
    return nullptr;
}

void FakeTopLevelWindows::ToFront(WindowHandle handle) {
    auto it = std::find_if(windows.begin(), windows.end(), [&](const Window& w) { return w.handle == handle; });
    if (it == windows.end()) return;
    std::rotate(windows.begin(), it, it + 1);
    foreground = handle;
}

std::vector<TopLevelWindow> FakeTopLevelWindows::OtherProgramsWindows() {
    std::vector<TopLevelWindow> result;
    for (const Window& w : windows) {
        if (w.visible && !w.ours) result.push_back({w.handle, w.minimizable, w.minimized});
    }
    return result;
}

bool FakeTopLevelWindows::WindowExists(WindowHandle window) { return Find(window) != nullptr; }

bool FakeTopLevelWindows::IsMinimized(WindowHandle window) {
    const Window* w = Find(window);
    return w && w->minimized;
}

void FakeTopLevelWindows::Minimize(WindowHandle window) {
    calls.push_back({"minimize", window});
    if (Window* w = Find(window)) w->minimized = true;
    if (foreground == window) foreground = 0;
}

void FakeTopLevelWindows::Restore(WindowHandle window) {
    calls.push_back({"restore", window});
    Window* w = Find(window);
    if (!w) return;
    w->minimized = false;
    ToFront(window);
}

void FakeTopLevelWindows::BringToFront(WindowHandle window) {
    calls.push_back({"front", window});
    ToFront(window);
}

void FakeTopLevelWindows::Open(WindowHandle handle, bool minimizable) {
    Window w;
    w.handle = handle;
    w.minimizable = minimizable;
    windows.insert(windows.begin(), w);
    foreground = handle;
}

void FakeTopLevelWindows::Close(WindowHandle handle) {
    windows.erase(std::remove_if(windows.begin(), windows.end(), [&](const Window& w) { return w.handle == handle; }),
                  windows.end());
    if (foreground == handle) foreground = 0;
}

std::vector<WindowHandle> FakeTopLevelWindows::ZOrder() const {
    std::vector<WindowHandle> order;
    for (const Window& w : windows) order.push_back(w.handle);
    return order;
}

}  // namespace kv
