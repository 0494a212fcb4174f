#pragma once
// The one owner of Win32 handles: a move-only value that releases its handle
// with the closer's Close when it goes. Every handle kind has a closer here
// (kernel objects, GDI objects, device contexts, menus, icons); the widget
// kit adds its own (image lists) in wingui/WindowHelpers.h.
#include <windows.h>

#include <cstddef>
#include <utility>

namespace kv {

// Closer: static Invalid() (the value that owns nothing) and static
// Close(Handle).
template <typename Handle, typename Closer>
class OwnedHandle {
public:
    OwnedHandle() = default;
    explicit OwnedHandle(Handle h) : h_(h) {}
    ~OwnedHandle() { Reset(); }
    OwnedHandle(const OwnedHandle&) = delete;
    OwnedHandle& operator=(const OwnedHandle&) = delete;
    OwnedHandle(OwnedHandle&& o) noexcept : h_(o.Release()) {}
    OwnedHandle& operator=(OwnedHandle&& o) noexcept {
        if (this != &o) Reset(o.Release());
        return *this;
    }

    Handle Get() const { return h_; }
    bool Valid() const { return h_ != Handle(Closer::Invalid()); }
    explicit operator bool() const { return Valid(); }
    // Gives the handle up without closing it.
    Handle Release() { return std::exchange(h_, Handle(Closer::Invalid())); }
    // Closes the handle held, if any, and takes h.
    void Reset(Handle h = Handle(Closer::Invalid())) {
        if (Valid()) Closer::Close(h_);
        h_ = h;
    }

private:
    Handle h_ = Handle(Closer::Invalid());
};

// Files and other kernel objects: CreateFile fails with INVALID_HANDLE_VALUE.
struct KernelCloser {
    static HANDLE Invalid() { return INVALID_HANDLE_VALUE; }
    static void Close(HANDLE h) { CloseHandle(h); }
};
// Fonts, bitmaps, brushes, pens, palettes.
struct GdiCloser {
    static std::nullptr_t Invalid() { return nullptr; }
    static void Close(HGDIOBJ h) { DeleteObject(h); }
};
// A device context made by CreateCompatibleDC.
struct MemoryDcCloser {
    static std::nullptr_t Invalid() { return nullptr; }
    static void Close(HDC h) { DeleteDC(h); }
};
// The screen's device context from GetDC(nullptr).
struct ScreenDcCloser {
    static std::nullptr_t Invalid() { return nullptr; }
    static void Close(HDC h) { ReleaseDC(nullptr, h); }
};
struct MenuCloser {
    static std::nullptr_t Invalid() { return nullptr; }
    static void Close(HMENU h) { DestroyMenu(h); }
};
struct IconCloser {
    static std::nullptr_t Invalid() { return nullptr; }
    static void Close(HICON h) { DestroyIcon(h); }
};

using OwnedKernelHandle = OwnedHandle<HANDLE, KernelCloser>;
using OwnedMemoryDc = OwnedHandle<HDC, MemoryDcCloser>;
using OwnedScreenDc = OwnedHandle<HDC, ScreenDcCloser>;
using OwnedPalette = OwnedHandle<HPALETTE, GdiCloser>;
using OwnedIcon = OwnedHandle<HICON, IconCloser>;

}  // namespace kv
