#pragma once
// A simulated display: its size, colour depth, palette and pixels are set by
// the test, and every capture is recorded.
#include <cstdint>
#include <functional>
#include <vector>

#include "platform/ScreenApi.h"

namespace kv {

class FakeScreen : public ScreenApi {
public:
    Rect VirtualScreen() override { return virtualScreen; }
    bool CaptureScreen(const Rect& area, Bitmap& out) override;
    LocalTime Now() override { return now; }

    Rect virtualScreen{0, 0, 640, 480};
    int bitsPerPixel = 32;               // the display's colour depth
    std::vector<std::uint32_t> palette;  // the system palette at 8 bits and less
    // What the screen shows at a point in screen coordinates: 0x00RRGGBB, or
    // a palette index at 8 bits and less.
    std::function<std::uint32_t(int x, int y)> pixelAt = [](int, int) { return 0u; };
    bool readable = true;
    LocalTime now{2000, 1, 1, 0, 0, 0, 0};  // a valid time, as the platform gives
    std::vector<Rect> captures;             // every rectangle asked for
};

// Stores a pixel at (x, y), y counted from the top, at the bitmap's depth:
// 0x00RRGGBB at 16 bits and more, a palette index below.
void PutPixel(Bitmap& bitmap, int x, int y, std::uint32_t value);

}  // namespace kv
