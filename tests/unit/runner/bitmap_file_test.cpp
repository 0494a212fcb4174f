#include <gtest/gtest.h>

#include "runner/BitmapFile.h"
#include "test_images.h"

namespace kv {
namespace {

std::uint32_t U16(const std::vector<std::uint8_t>& f, std::size_t at) { return f[at] | f[at + 1] << 8; }
std::uint32_t U32(const std::vector<std::uint8_t>& f, std::size_t at) { return U16(f, at) | U16(f, at + 2) << 16; }

// Reads the pixel at (x, y), y from the top, out of a BMP file with an
// uncompressed bottom-up image, as 0x00RRGGBB or a palette index.
std::uint32_t FilePixel(const std::vector<std::uint8_t>& f, int x, int y) {
    const int width = int(U32(f, 18)), height = int(U32(f, 22)), bpp = int(U16(f, 28));
    const std::size_t stride = std::size_t((width * bpp + 31) / 32 * 4);
    const std::size_t row = U32(f, 10) + std::size_t(height - 1 - y) * stride;
    switch (bpp) {
        case 32:
        case 24: {
            const std::size_t at = row + std::size_t(x) * (bpp / 8);
            return std::uint32_t(f[at + 2]) << 16 | std::uint32_t(f[at + 1]) << 8 | f[at];
        }
        case 16: {
            const std::uint32_t w = U16(f, row + std::size_t(x) * 2);
            return (w >> 10 & 31) << 19 | (w >> 5 & 31) << 11 | (w & 31) << 3;
        }
        default: {
            const int bit = x * bpp;
            return f[row + std::size_t(bit / 8)] >> (8 - bpp - bit % 8) & ((1u << bpp) - 1);
        }
    }
}

// The colour a 16-bit 5-5-5 pixel keeps of the source: the top 5 bits of each channel.
std::uint32_t Expected(int x, int y, int bpp) {
    const std::uint32_t c = TestColour(x, y, bpp);
    return bpp == 16 ? c & 0xF8F8F8 : c;
}

TEST(BitmapToBmpFile, WritesHeadersColourTableAndEveryPixel) {
    // Odd widths exercise the padding of rows to 4 bytes.
    for (int bpp : {32, 24, 16, 8, 4, 1}) {
        SCOPED_TRACE(bpp);
        const int width = 13, height = 7;
        const Bitmap bitmap = MakeTestBitmap(width, height, bpp);
        const std::vector<std::uint8_t> f = BitmapToBmpFile(bitmap);

        const std::uint32_t colours = bpp <= 8 ? 1u << bpp : 0;
        const std::uint32_t stride = (width * bpp + 31) / 32 * 4;
        const std::uint32_t offset = 14 + 40 + 4 * colours;
        ASSERT_EQ(f.size(), offset + stride * height);
        EXPECT_EQ(f[0], 'B');
        EXPECT_EQ(f[1], 'M');
        EXPECT_EQ(U32(f, 2), f.size());
        EXPECT_EQ(U32(f, 6), 0u);
        EXPECT_EQ(U32(f, 10), offset);
        EXPECT_EQ(U32(f, 14), 40u);
        EXPECT_EQ(U32(f, 18), std::uint32_t(width));
        EXPECT_EQ(U32(f, 22), std::uint32_t(height));
        EXPECT_EQ(U16(f, 26), 1u);
        EXPECT_EQ(U16(f, 28), std::uint32_t(bpp));
        EXPECT_EQ(U32(f, 30), 0u);  // BI_RGB
        EXPECT_EQ(U32(f, 34), stride * height);
        EXPECT_EQ(U32(f, 46), colours);

        const std::vector<std::uint32_t> palette = TestPalette(int(colours));
        for (std::uint32_t i = 0; i < colours; ++i) {
            const std::size_t at = 54 + 4 * i;  // RGBQUAD: blue, green, red, 0
            EXPECT_EQ(std::uint32_t(f[at + 2]) << 16 | std::uint32_t(f[at + 1]) << 8 | f[at], palette[i]) << i;
            EXPECT_EQ(f[at + 3], 0);
        }
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x) ASSERT_EQ(FilePixel(f, x, y), Expected(x, y, bpp)) << x << "," << y;
    }
}

TEST(BitmapToBmpFile, StoresAShortSystemPaletteAsItIs) {
    Bitmap bitmap = MakeTestBitmap(4, 2, 8);
    bitmap.palette.resize(20);
    const std::vector<std::uint8_t> f = BitmapToBmpFile(bitmap);
    EXPECT_EQ(U32(f, 46), 20u);
    EXPECT_EQ(U32(f, 10), 14u + 40u + 80u);
    EXPECT_EQ(f.size(), 14u + 40u + 80u + 8u);
}

}  // namespace
}  // namespace kv
