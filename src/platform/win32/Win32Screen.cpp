#include "platform/win32/Win32Screen.h"

#include <windows.h>

#include <cstring>
#include <memory>

#include "platform/win32/OwnedHandle.h"

namespace kv {

namespace {

// The DIB depth that keeps the display's colours: 15-bit displays are
// stored as 16-bit 5-5-5, anything unusual as 32-bit.
int DibDepth(HDC screen) {
    const int bits = GetDeviceCaps(screen, BITSPIXEL) * GetDeviceCaps(screen, PLANES);
    switch (bits) {
        case 1:
        case 4:
        case 8:
        case 16:
        case 24:
        case 32: return bits;
        case 15: return 16;
        default: return 32;
    }
}

// The system palette of a palette display, as 0x00RRGGBB entries; empty on
// other displays or when the system gives none.
std::vector<std::uint32_t> SystemPalette(HDC screen) {
    std::vector<std::uint32_t> colours;
    if (!(GetDeviceCaps(screen, RASTERCAPS) & RC_PALETTE)) return colours;
    PALETTEENTRY entries[256];
    const UINT count = GetSystemPaletteEntries(screen, 0, 256, entries);
    for (UINT i = 0; i < count && i < 256; ++i)
        colours.push_back(std::uint32_t(entries[i].peRed) << 16 | std::uint32_t(entries[i].peGreen) << 8 |
                          entries[i].peBlue);
    return colours;
}

// BITMAPINFO with room for a full colour table.
struct DibInfo {
    BITMAPINFOHEADER header;
    RGBQUAD colours[256];
};

// The GDI objects of one capture. The members go in reverse order: what was
// selected into the memory DC is put back first, then the DIB and the
// palette are deleted, then the memory DC, and the screen's DC is released.
struct CaptureObjects {
    // Puts back what the capture selected into the memory DC.
    struct Selections {
        ~Selections() {
            if (dc && oldBitmap) SelectObject(dc, oldBitmap);
            if (dc && oldPalette) SelectPalette(dc, oldPalette, FALSE);
        }
        HDC dc = nullptr;
        HPALETTE oldPalette = nullptr;
        HGDIOBJ oldBitmap = nullptr;
    };

    OwnedScreenDc screen;
    OwnedMemoryDc memoryDc;
    OwnedPalette palette;
    OwnedHandle<HBITMAP, GdiCloser> dib;
    Selections selections;
};

}  // namespace

Rect Win32Screen::VirtualScreen() {
    Rect r;
    r.left = GetSystemMetrics(SM_XVIRTUALSCREEN);
    r.top = GetSystemMetrics(SM_YVIRTUALSCREEN);
    r.width = GetSystemMetrics(SM_CXVIRTUALSCREEN);
    r.height = GetSystemMetrics(SM_CYVIRTUALSCREEN);
    return r;
}

bool Win32Screen::CaptureScreen(const Rect& area, Bitmap& out) {
    if (area.width <= 0 || area.height <= 0) return false;
    CaptureObjects gdi;
    gdi.screen.Reset(GetDC(nullptr));
    if (!gdi.screen) return false;

    const int depth = DibDepth(gdi.screen.Get());
    std::vector<std::uint32_t> colours = depth <= 8 ? SystemPalette(gdi.screen.Get()) : std::vector<std::uint32_t>();

    DibInfo info;
    std::memset(&info, 0, sizeof info);
    info.header.biSize = sizeof(BITMAPINFOHEADER);
    info.header.biWidth = area.width;
    info.header.biHeight = area.height;  // bottom-up, as the file stores it
    info.header.biPlanes = 1;
    info.header.biBitCount = WORD(depth);
    info.header.biCompression = BI_RGB;
    info.header.biClrUsed = DWORD(colours.size());
    for (std::size_t i = 0; i < colours.size(); ++i) {
        info.colours[i].rgbRed = BYTE(colours[i] >> 16);
        info.colours[i].rgbGreen = BYTE(colours[i] >> 8);
        info.colours[i].rgbBlue = BYTE(colours[i]);
    }

    gdi.memoryDc.Reset(CreateCompatibleDC(gdi.screen.Get()));
    gdi.selections.dc = gdi.memoryDc.Get();
    if (!gdi.memoryDc) return false;
    if (!colours.empty()) {
        // The logical palette keeps the screen's indices when the pixels are copied.
        struct {
            WORD version;
            WORD count;
            PALETTEENTRY entries[256];
        } logical;
        logical.version = 0x300;
        logical.count = WORD(colours.size());
        GetSystemPaletteEntries(gdi.screen.Get(), 0, logical.count, logical.entries);
        gdi.palette.Reset(CreatePalette(reinterpret_cast<LOGPALETTE*>(&logical)));
        if (gdi.palette) {
            gdi.selections.oldPalette = SelectPalette(gdi.memoryDc.Get(), gdi.palette.Get(), FALSE);
            RealizePalette(gdi.memoryDc.Get());
        }
    }

    void* pixels = nullptr;
    gdi.dib.Reset(CreateDIBSection(gdi.memoryDc.Get(), reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS, &pixels,
                                   nullptr, 0));
    if (!gdi.dib || !pixels) return false;
    gdi.selections.oldBitmap = SelectObject(gdi.memoryDc.Get(), gdi.dib.Get());

    if (!BitBlt(gdi.memoryDc.Get(), 0, 0, area.width, area.height, gdi.screen.Get(), area.left, area.top, SRCCOPY))
        return false;
    GdiFlush();  // the DIB's memory is complete only after the batch is flushed

    // The bitmap takes the DIB section over: its pixels are used where the
    // screen was copied to. The section leaves the memory DC first.
    SelectObject(gdi.memoryDc.Get(), gdi.selections.oldBitmap);
    gdi.selections.oldBitmap = nullptr;
    // Owns the DIB section: the bitmap's pixels point into it for as long as
    // the bitmap (or a copy of it) lives.
    auto owner = std::make_shared<OwnedHandle<HBITMAP, GdiCloser>>(gdi.dib.Release());
    out.width = area.width;
    out.height = area.height;
    out.bitsPerPixel = depth;
    out.palette = std::move(colours);
    out.bits.clear();
    out.bits.shrink_to_fit();
    out.shared = std::shared_ptr<const std::uint8_t>(owner, static_cast<const std::uint8_t*>(pixels));
    return true;
}

LocalTime Win32Screen::Now() {
    SYSTEMTIME st;
    GetLocalTime(&st);
    LocalTime t;
    t.year = st.wYear;
    t.month = st.wMonth;
    t.day = st.wDay;
    t.hour = st.wHour;
    t.minute = st.wMinute;
    t.second = st.wSecond;
    t.millisecond = st.wMilliseconds;
    return t;
}

}  // namespace kv
