#pragma once
// Reading the screen and the local clock for screen captures.
#include <cstdint>
#include <vector>

namespace kv {

struct Rect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

// A device-independent bitmap as it is written to a BMP file: rows bottom-up,
// each padded to 4 bytes, at the given depth, with a colour table for depths
// of 8 bits and less.
struct Bitmap {
    int width = 0;
    int height = 0;
    int bitsPerPixel = 24;
    std::vector<std::uint32_t> palette;  // RGBQUAD entries, 0x00RRGGBB
    std::vector<std::uint8_t> bits;
};

struct LocalTime {
    int year = 0, month = 0, day = 0;
    int hour = 0, minute = 0, second = 0, millisecond = 0;
};

class ScreenApi {
public:
    virtual ~ScreenApi() = default;

    // The virtual screen: all monitors together, in screen coordinates.
    virtual Rect VirtualScreen() = 0;
    // Copies the rectangle of the screen at the display's colour depth
    // (with the system palette on a palette display). False when the screen
    // cannot be read.
    virtual bool CaptureScreen(const Rect& area, Bitmap& out) = 0;
    virtual LocalTime Now() = 0;
};

}  // namespace kv
