#pragma once
// The common controls library (comctl32): list views, the status bar, tool
// tips, image lists and the subclassing of controls. It is loaded the first
// time a window needs it, never at start-up: while the program sits in the
// tray it stays unloaded (it costs about 1.4 MB of private memory under
// Wine). Once loaded it stays.
//
// The program does not import comctl32: every call goes through these
// functions, which load the library on first use. Call them qualified
// (comctl::ImageList_Create); the unqualified Win32 names do not link.
#include <windows.h>
#include <commctrl.h>

namespace kv {
namespace comctl {

// Loads the library and registers the control classes the windows use (list
// view, status bar, tool tips). A window of those classes is created only
// after this; true when the library is there.
bool Load();

BOOL SetWindowSubclass(HWND window, SUBCLASSPROC proc, UINT_PTR id, DWORD_PTR data);
BOOL RemoveWindowSubclass(HWND window, SUBCLASSPROC proc, UINT_PTR id);
LRESULT DefSubclassProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);

HIMAGELIST ImageList_Create(int cx, int cy, UINT flags, int initial, int grow);
BOOL ImageList_Destroy(HIMAGELIST list);
int ImageList_AddMasked(HIMAGELIST list, HBITMAP bitmap, COLORREF mask);
BOOL ImageList_Draw(HIMAGELIST list, int index, HDC dc, int x, int y, UINT style);
HICON ImageList_GetIcon(HIMAGELIST list, int index, UINT flags);
BOOL ImageList_GetIconSize(HIMAGELIST list, int* cx, int* cy);

}  // namespace comctl
}  // namespace kv
