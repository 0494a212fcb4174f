#include "platform/fake/FakeScreen.h"

namespace kv {

void PutPixel(Bitmap& bitmap, int x, int y, std::uint32_t value) {
    std::uint8_t* row = bitmap.bits.data() + std::size_t(bitmap.height - 1 - y) * bitmap.RowBytes();
    const std::uint8_t r = std::uint8_t(value >> 16), g = std::uint8_t(value >> 8), b = std::uint8_t(value);
    switch (bitmap.bitsPerPixel) {
        case 1:
        case 4:
        case 8: {
            const int bpp = bitmap.bitsPerPixel;
            const int bit = x * bpp;
            const int shift = 8 - bpp - bit % 8;  // the leftmost pixel in the high bits
            const std::uint8_t mask = std::uint8_t(((1u << bpp) - 1) << shift);
            std::uint8_t& byte = row[bit / 8];
            byte = std::uint8_t((byte & ~mask) | ((value << shift) & mask));
            break;
        }
        case 16: {
            const unsigned word = (r >> 3) << 10 | (g >> 3) << 5 | b >> 3;
            row[x * 2] = std::uint8_t(word);
            row[x * 2 + 1] = std::uint8_t(word >> 8);
            break;
        }
        case 24:
            row[x * 3] = b;
            row[x * 3 + 1] = g;
            row[x * 3 + 2] = r;
            break;
        case 32:
            row[x * 4] = b;
            row[x * 4 + 1] = g;
            row[x * 4 + 2] = r;
            row[x * 4 + 3] = 0;
            break;
    }
}

bool FakeScreen::CaptureScreen(const Rect& area, Bitmap& out) {
    captures.push_back(area);
    // Like the platform: an empty rectangle is not read.
    if (!readable || area.width <= 0 || area.height <= 0) return false;
    out.width = area.width;
    out.height = area.height;
    out.bitsPerPixel = bitsPerPixel;
    out.palette = bitsPerPixel <= 8 ? palette : std::vector<std::uint32_t>();
    out.bits.assign(std::size_t(out.RowBytes()) * out.height, 0);
    for (int y = 0; y < area.height; ++y)
        for (int x = 0; x < area.width; ++x) PutPixel(out, x, y, pixelAt(area.left + x, area.top + y));
    return true;
}

}  // namespace kv
