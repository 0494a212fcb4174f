#pragma once
// Small owners of Win32 handles and helpers shared by the program's windows.
#include <windows.h>

#include <string>
#include <utility>

namespace kv {

// Owns one handle and releases it with Closer::Close when it goes.
template <typename Handle, typename Closer>
class Owned {
public:
    Owned() = default;
    explicit Owned(Handle h) : h_(h) {}
    ~Owned() { Reset(); }
    Owned(const Owned&) = delete;
    Owned& operator=(const Owned&) = delete;
    Owned(Owned&& o) noexcept : h_(std::exchange(o.h_, Handle{})) {}
    Owned& operator=(Owned&& o) noexcept {
        if (this != &o) {
            Reset();
            h_ = std::exchange(o.h_, Handle{});
        }
        return *this;
    }

    Handle Get() const { return h_; }
    explicit operator bool() const { return h_ != Handle{}; }
    Handle Release() { return std::exchange(h_, Handle{}); }
    void Reset(Handle h = Handle{}) {
        if (h_) Closer::Close(h_);
        h_ = h;
    }

private:
    Handle h_{};
};

struct GdiCloser {
    static void Close(HGDIOBJ h) { DeleteObject(h); }
};
struct MenuCloser {
    static void Close(HMENU h) { DestroyMenu(h); }
};

using OwnedFont = Owned<HFONT, GdiCloser>;
using OwnedBitmap = Owned<HBITMAP, GdiCloser>;
using OwnedBrush = Owned<HBRUSH, GdiCloser>;
using OwnedMenu = Owned<HMENU, MenuCloser>;

// A device context of a window for the time of a scope.
class WindowDC {
public:
    explicit WindowDC(HWND hwnd) : hwnd_(hwnd), dc_(GetDC(hwnd)) {}
    ~WindowDC() { ReleaseDC(hwnd_, dc_); }
    WindowDC(const WindowDC&) = delete;
    WindowDC& operator=(const WindowDC&) = delete;
    HDC Get() const { return dc_; }

private:
    HWND hwnd_;
    HDC dc_;
};

// Selects a GDI object into a device context for the time of a scope.
class Selected {
public:
    Selected(HDC dc, HGDIOBJ obj) : dc_(dc), old_(SelectObject(dc, obj)) {}
    ~Selected() { SelectObject(dc_, old_); }
    Selected(const Selected&) = delete;
    Selected& operator=(const Selected&) = delete;

private:
    HDC dc_;
    HGDIOBJ old_;
};

// The full path of the running executable.
std::string ExePath();
// The executable's directory with a trailing backslash.
std::string ExeDir();

// The screen's logical pixels per inch (96 at 100 %).
int ScreenDpi();
// Pixels at 96 dpi to pixels at dpi.
inline int Scale(int pixels, int dpi) { return MulDiv(pixels, dpi, 96); }

// A font of the given face and point size at dpi.
OwnedFont MakeFont(const char* face, int points, int dpi, bool bold = false);

// Moves a window of the given outer size to the centre of the work area.
void CenterOnScreen(HWND hwnd, int width, int height);

// Brings a top-level window forward: WM_SYSCOMMAND SC_HOTKEY, then
// SC_RESTORE (each with the window itself as lParam), then
// SetForegroundWindow. True when the window became the foreground window.
bool BringWindowToFront(HWND hwnd);

}  // namespace kv
