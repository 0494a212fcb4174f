#pragma once
// Reading the screen and the local clock for screen captures.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

namespace kv {

struct Rect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

// A device-independent bitmap as it is written to a BMP file: rows bottom-up,
// each padded to 4 bytes, at the given depth. Depths: 1, 4 and 8 bits index
// the palette; 16 bits are 5-5-5 RGB in a little-endian word; 24 bits are
// B, G, R bytes; 32 bits are B, G, R and an unused byte.
// The pixels are either owned (bits) or, for a screen capture, the memory the
// system copied the screen into (shared, which keeps that memory alive), so
// that a 4 MB screen is never copied a second time.
struct Bitmap {
    int width = 0;
    int height = 0;
    int bitsPerPixel = 24;
    std::vector<std::uint32_t> palette;  // RGBQUAD entries, 0x00RRGGBB
    std::vector<std::uint8_t> bits;
    std::shared_ptr<const std::uint8_t> shared;  // RowBytes() * height bytes when set

    int RowBytes() const { return (width * bitsPerPixel + 31) / 32 * 4; }
    bool Empty() const { return width <= 0 || height <= 0; }
    const std::uint8_t* Pixels() const { return shared ? shared.get() : bits.data(); }
    std::size_t PixelBytes() const { return shared ? std::size_t(RowBytes()) * std::size_t(height) : bits.size(); }
};

struct LocalTime {
    int year = 0, month = 0, day = 0;
    int hour = 0, minute = 0, second = 0, millisecond = 0;
};

class ScreenApi {
public:
    virtual ~ScreenApi() = default;

    // The virtual screen: all monitors together, in screen coordinates. Its
    // top-left corner lies left of or above (0,0) when a monitor stands left
    // of or above the primary one.
    virtual Rect VirtualScreen() = 0;
    // Copies the rectangle of the screen into out, sized to the rectangle, at
    // the display's colour depth (with the system palette on a palette
    // display). False when the screen cannot be read.
    virtual bool CaptureScreen(const Rect& area, Bitmap& out) = 0;
    virtual LocalTime Now() = 0;
};

}  // namespace kv
