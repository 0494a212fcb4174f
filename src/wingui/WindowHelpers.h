#pragma once
// Small owners of Win32 handles and helpers shared by the program's windows.
#include <windows.h>
#include <commctrl.h>

#include <cstddef>
#include <string>

#include "platform/win32/OwnedHandle.h"
#include "wingui/CommonControls.h"

namespace kv {

// The handle owners of the forms: OwnedHandle (platform/win32/OwnedHandle.h)
// with the closer of each kind.
template <typename Handle, typename Closer>
using Owned = OwnedHandle<Handle, Closer>;

struct ImageListCloser {
    static std::nullptr_t Invalid() { return nullptr; }
    static void Close(HIMAGELIST h) { comctl::ImageList_Destroy(h); }
};

using OwnedFont = Owned<HFONT, GdiCloser>;
using OwnedBitmap = Owned<HBITMAP, GdiCloser>;
using OwnedBrush = Owned<HBRUSH, GdiCloser>;
using OwnedPen = Owned<HPEN, GdiCloser>;
using OwnedMenu = Owned<HMENU, MenuCloser>;
using OwnedImageList = Owned<HIMAGELIST, ImageListCloser>;

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
