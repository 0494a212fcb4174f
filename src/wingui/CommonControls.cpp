#include "wingui/CommonControls.h"

#include "wingui/SystemLibrary.h"

namespace kv {
namespace comctl {

namespace {

// The library's functions, looked up once when it is loaded.
struct Functions {
    decltype(::SetWindowSubclass)* setWindowSubclass = nullptr;
    decltype(::RemoveWindowSubclass)* removeWindowSubclass = nullptr;
    decltype(::DefSubclassProc)* defSubclassProc = nullptr;
    decltype(::ImageList_Create)* imageListCreate = nullptr;
    decltype(::ImageList_Destroy)* imageListDestroy = nullptr;
    decltype(::ImageList_AddMasked)* imageListAddMasked = nullptr;
    decltype(::ImageList_Draw)* imageListDraw = nullptr;
    decltype(::ImageList_GetIcon)* imageListGetIcon = nullptr;
    decltype(::ImageList_GetIconSize)* imageListGetIconSize = nullptr;
    bool classesRegistered = false;
};

Functions LoadFunctions() {
    // Loaded once for the rest of the process: windows of its classes and
    // subclassed controls may exist until the program ends.
    static const SystemLibrary library("comctl32.dll");
    Functions f;
    f.setWindowSubclass = library.Function<decltype(::SetWindowSubclass)>("SetWindowSubclass");
    f.removeWindowSubclass = library.Function<decltype(::RemoveWindowSubclass)>("RemoveWindowSubclass");
    f.defSubclassProc = library.Function<decltype(::DefSubclassProc)>("DefSubclassProc");
    f.imageListCreate = library.Function<decltype(::ImageList_Create)>("ImageList_Create");
    f.imageListDestroy = library.Function<decltype(::ImageList_Destroy)>("ImageList_Destroy");
    f.imageListAddMasked = library.Function<decltype(::ImageList_AddMasked)>("ImageList_AddMasked");
    f.imageListDraw = library.Function<decltype(::ImageList_Draw)>("ImageList_Draw");
    f.imageListGetIcon = library.Function<decltype(::ImageList_GetIcon)>("ImageList_GetIcon");
    f.imageListGetIconSize = library.Function<decltype(::ImageList_GetIconSize)>("ImageList_GetIconSize");
    if (auto* init = library.Function<decltype(::InitCommonControlsEx)>("InitCommonControlsEx")) {
        // Only the classes the windows use: the list view, and the status
        // bar and tool tips.
        const INITCOMMONCONTROLSEX classes = {sizeof(classes), ICC_BAR_CLASSES | ICC_LISTVIEW_CLASSES};
        f.classesRegistered = init(&classes) != FALSE;
    }
    return f;
}

const Functions& Get() {
    static const Functions functions = LoadFunctions();
    return functions;
}

}  // namespace

bool Load() { return Get().classesRegistered; }

BOOL SetWindowSubclass(HWND window, SUBCLASSPROC proc, UINT_PTR id, DWORD_PTR data) {
    auto* f = Get().setWindowSubclass;
    return f ? f(window, proc, id, data) : FALSE;
}

BOOL RemoveWindowSubclass(HWND window, SUBCLASSPROC proc, UINT_PTR id) {
    auto* f = Get().removeWindowSubclass;
    return f ? f(window, proc, id) : FALSE;
}

LRESULT DefSubclassProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
    // Reached only from a subclass procedure, so the library is there.
    return Get().defSubclassProc(window, msg, wParam, lParam);
}

HIMAGELIST ImageList_Create(int cx, int cy, UINT flags, int initial, int grow) {
    auto* f = Get().imageListCreate;
    return f ? f(cx, cy, flags, initial, grow) : nullptr;
}

BOOL ImageList_Destroy(HIMAGELIST list) {
    auto* f = Get().imageListDestroy;
    return f && list ? f(list) : FALSE;
}

int ImageList_AddMasked(HIMAGELIST list, HBITMAP bitmap, COLORREF mask) {
    auto* f = Get().imageListAddMasked;
    return f ? f(list, bitmap, mask) : -1;
}

BOOL ImageList_Draw(HIMAGELIST list, int index, HDC dc, int x, int y, UINT style) {
    auto* f = Get().imageListDraw;
    return f ? f(list, index, dc, x, y, style) : FALSE;
}

HICON ImageList_GetIcon(HIMAGELIST list, int index, UINT flags) {
    auto* f = Get().imageListGetIcon;
    return f ? f(list, index, flags) : nullptr;
}

BOOL ImageList_GetIconSize(HIMAGELIST list, int* cx, int* cy) {
    auto* f = Get().imageListGetIconSize;
    return f ? f(list, cx, cy) : FALSE;
}

}  // namespace comctl
}  // namespace kv
