#pragma once
// Test images for the capture tests, made through the fake display.
#include <cstdint>
#include <vector>

#include "platform/fake/FakeScreen.h"

namespace kv {

// The colour or palette index of every pixel of the test images: smooth in
// both directions and different in each channel, so that a swap of channels,
// rows or columns shows.
inline std::uint32_t TestColour(int x, int y, int bitsPerPixel) {
    if (bitsPerPixel <= 8) return std::uint32_t(x + 3 * y) % (1u << bitsPerPixel);
    const std::uint32_t r = std::uint32_t(x * 4) & 0xFF, g = std::uint32_t(y * 4) & 0xFF,
                        b = std::uint32_t(128 + x - y) & 0xFF;
    return r << 16 | g << 8 | b;
}

// A palette of distinct, non-grey entries that change smoothly with the index.
inline std::vector<std::uint32_t> TestPalette(int entries) {
    std::vector<std::uint32_t> palette;
    for (int i = 0; i < entries; ++i)
        palette.push_back(std::uint32_t(i) << 16 | std::uint32_t(255 - i) << 8 | std::uint32_t(i / 2));
    return palette;
}

inline Bitmap MakeTestBitmap(int width, int height, int bitsPerPixel) {
    FakeScreen screen;
    screen.bitsPerPixel = bitsPerPixel;
    if (bitsPerPixel <= 8) screen.palette = TestPalette(1 << bitsPerPixel);
    screen.pixelAt = [bitsPerPixel](int x, int y) { return TestColour(x, y, bitsPerPixel); };
    Bitmap bitmap;
    screen.CaptureScreen(Rect{0, 0, width, height}, bitmap);
    return bitmap;
}

}  // namespace kv
