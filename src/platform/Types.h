#pragma once
// Small value types shared by the platform interfaces. No <windows.h> here:
// the logic that uses them builds and is tested on Linux against the fakes.
#include <cstdint>

namespace kv {

// An opaque window handle (an HWND on Windows); 0 means none.
using WindowHandle = std::uintptr_t;

// One window message as the platform delivers it.
struct WindowMessage {
    std::uint32_t msg = 0;
    std::uintptr_t wParam = 0;
    std::intptr_t lParam = 0;
    std::intptr_t result = 0;
};

constexpr std::uint32_t kWmHotKey = 0x0312;

// Receives the messages of a window created through a platform interface.
class MessageReceiver {
public:
    virtual void WndProc(WindowMessage& message) = 0;

protected:
    ~MessageReceiver() = default;
};

struct Point {
    int x = 0;
    int y = 0;
    bool operator==(const Point& o) const { return x == o.x && y == o.y; }
    bool operator!=(const Point& o) const { return !(*this == o); }
};

}  // namespace kv
