#include <gtest/gtest.h>

#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <vector>

#include <jpeglib.h>

#include "runner/Jpeg.h"
#include "test_images.h"

namespace kv {
namespace {

// The example tables of the JPEG standard (Annex K), in natural order.
const unsigned kStandardLuminance[64] = {16, 11, 10, 16, 24,  40,  51,  61,  12, 12, 14, 19, 26,  58,  60,  55,
                                         14, 13, 16, 24, 40,  57,  69,  56,  14, 17, 22, 29, 51,  87,  80,  62,
                                         18, 22, 37, 56, 68,  109, 103, 77,  24, 35, 55, 64, 81,  104, 113, 92,
                                         49, 64, 78, 87, 103, 121, 120, 101, 72, 92, 95, 98, 112, 100, 103, 99};
const unsigned kStandardChrominance[64] = {17, 18, 24, 47, 99, 99, 99, 99, 18, 21, 26, 66, 99, 99, 99, 99,
                                           24, 26, 56, 99, 99, 99, 99, 99, 47, 66, 99, 99, 99, 99, 99, 99,
                                           99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99,
                                           99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99};

// The standard's scaling for a quality of 50 or more: 200 - 2 * quality percent.
unsigned Scaled(unsigned q, int quality) {
    const unsigned v = (q * unsigned(200 - 2 * quality) + 50) / 100;
    return v < 1 ? 1 : v > 255 ? 255 : v;
}

// The marker codes of a JPEG file up to the start of the scan.
std::vector<int> Markers(const std::vector<std::uint8_t>& f) {
    std::vector<int> markers;
    std::size_t at = 0;
    if (f.size() < 2 || f[0] != 0xFF || f[1] != 0xD8) return markers;
    markers.push_back(0xD8);
    at = 2;
    while (at + 4 <= f.size() && f[at] == 0xFF) {
        const int code = f[at + 1];
        markers.push_back(code);
        if (code == 0xDA) break;
        at += 2 + (std::size_t(f[at + 2]) << 8 | f[at + 3]);
    }
    return markers;
}

struct DecodeError {
    jpeg_error_mgr pub;
    std::jmp_buf jump;
};

void DecodeErrorExit(j_common_ptr cinfo) { std::longjmp(reinterpret_cast<DecodeError*>(cinfo->err)->jump, 1); }

struct Decoded {
    bool ok = false;
    int width = 0, height = 0, components = 0;
    bool progressive = true, jfif = false;
    J_COLOR_SPACE colourSpace = JCS_UNKNOWN;
    unsigned luminance[64] = {}, chrominance[64] = {};
    std::vector<std::uint8_t> rgb;
};

// Decodes a file back with libjpeg into RGB rows, top to bottom.
void Decode(const std::vector<std::uint8_t>& f, Decoded& d) {
    jpeg_decompress_struct cinfo;
    DecodeError err;
    cinfo.err = jpeg_std_error(&err.pub);
    err.pub.error_exit = DecodeErrorExit;
    if (setjmp(err.jump)) {
        jpeg_destroy_decompress(&cinfo);
        return;
    }
    jpeg_create_decompress(&cinfo);
    jpeg_mem_src(&cinfo, f.data(), static_cast<unsigned long>(f.size()));
    jpeg_read_header(&cinfo, TRUE);
    d.progressive = cinfo.progressive_mode;
    d.jfif = cinfo.saw_JFIF_marker;
    d.colourSpace = cinfo.jpeg_color_space;
    for (int i = 0; i < 64; ++i) {
        d.luminance[i] = cinfo.quant_tbl_ptrs[0] ? cinfo.quant_tbl_ptrs[0]->quantval[i] : 0;
        d.chrominance[i] = cinfo.quant_tbl_ptrs[1] ? cinfo.quant_tbl_ptrs[1]->quantval[i] : 0;
    }
    cinfo.out_color_space = JCS_RGB;
    jpeg_start_decompress(&cinfo);
    d.width = int(cinfo.output_width);
    d.height = int(cinfo.output_height);
    d.components = cinfo.output_components;
    d.rgb.resize(std::size_t(d.width) * d.height * 3);
    while (cinfo.output_scanline < cinfo.output_height) {
        JSAMPROW row = d.rgb.data() + std::size_t(cinfo.output_scanline) * d.width * 3;
        jpeg_read_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_decompress(&cinfo);
    jpeg_destroy_decompress(&cinfo);
    d.ok = true;
}

TEST(BitmapToJpeg, WritesABaselineJfifOfQuality90) {
    const Bitmap bitmap = MakeTestBitmap(64, 48, 32);
    const std::vector<std::uint8_t> file = BitmapToJpeg(bitmap);

    const std::vector<int> markers = Markers(file);
    EXPECT_NE(std::find(markers.begin(), markers.end(), 0xC0), markers.end()) << "no baseline SOF0";
    for (int sof : {0xC1, 0xC2, 0xC3, 0xC9, 0xCA})
        EXPECT_EQ(std::find(markers.begin(), markers.end(), sof), markers.end()) << std::hex << sof;
    ASSERT_FALSE(markers.empty());
    EXPECT_EQ(markers.back(), 0xDA);
    EXPECT_EQ(file[file.size() - 2], 0xFF);
    EXPECT_EQ(file.back(), 0xD9);

    Decoded d;
    Decode(file, d);
    ASSERT_TRUE(d.ok);
    EXPECT_FALSE(d.progressive);
    EXPECT_TRUE(d.jfif);
    EXPECT_EQ(d.colourSpace, JCS_YCbCr);
    for (int i = 0; i < 64; ++i) {
        EXPECT_EQ(d.luminance[i], Scaled(kStandardLuminance[i], 90)) << i;
        EXPECT_EQ(d.chrominance[i], Scaled(kStandardChrominance[i], 90)) << i;
    }
}

TEST(BitmapToJpeg, KeepsTheSizeAndThePictureOfEveryDepth) {
    for (int bpp : {32, 24, 16, 8}) {
        SCOPED_TRACE(bpp);
        const Bitmap bitmap = MakeTestBitmap(61, 37, bpp);  // sizes that are no multiple of a block
        const std::vector<std::uint8_t> source = BitmapToRgb24(bitmap);
        Decoded d;
        Decode(BitmapToJpeg(bitmap), d);
        ASSERT_TRUE(d.ok);
        EXPECT_EQ(d.width, 61);
        EXPECT_EQ(d.height, 37);
        EXPECT_EQ(d.components, 3);
        ASSERT_EQ(d.rgb.size(), source.size());
        double error = 0;
        for (std::size_t i = 0; i < source.size(); ++i) error += std::abs(int(d.rgb[i]) - int(source[i]));
        error /= double(source.size());
        EXPECT_LT(error, 2.0) << "smooth images lose little at quality 90";
    }
}

// The file libjpeg makes from the bitmap's RGB copy, as the encoder did
// before it read 24- and 32-bit pixels in place.
std::vector<std::uint8_t> JpegOfRgbCopy(const Bitmap& bitmap) {
    const std::vector<std::uint8_t> rgb = BitmapToRgb24(bitmap);
    jpeg_compress_struct cinfo;
    jpeg_error_mgr err;
    cinfo.err = jpeg_std_error(&err);
    jpeg_create_compress(&cinfo);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&cinfo, &buffer, &size);
    cinfo.image_width = JDIMENSION(bitmap.width);
    cinfo.image_height = JDIMENSION(bitmap.height);
    cinfo.input_components = 3;
    cinfo.in_color_space = JCS_RGB;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, 90, TRUE);
    jpeg_start_compress(&cinfo, TRUE);
    while (cinfo.next_scanline < cinfo.image_height) {
        JSAMPROW row = const_cast<JSAMPLE*>(&rgb[std::size_t(cinfo.next_scanline) * bitmap.width * 3]);
        jpeg_write_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);
    std::vector<std::uint8_t> file(buffer, buffer + size);
    std::free(buffer);
    return file;
}

TEST(BitmapToJpeg, PixelsReadInPlaceGiveTheSameFileAsTheirRgbCopy) {
    for (int bpp : {32, 24}) {
        SCOPED_TRACE(bpp);
        const Bitmap bitmap = MakeTestBitmap(61, 37, bpp);
        EXPECT_EQ(BitmapToJpeg(bitmap), JpegOfRgbCopy(bitmap));

        // Pixels held elsewhere (as a screen capture holds them) encode alike.
        Bitmap shared = bitmap;
        auto pixels = std::make_shared<std::vector<std::uint8_t>>(bitmap.bits);
        shared.shared = std::shared_ptr<const std::uint8_t>(pixels, pixels->data());
        shared.bits.clear();
        EXPECT_EQ(BitmapToJpeg(shared), JpegOfRgbCopy(bitmap));
    }
}

TEST(BitmapToRgb24, ConvertsEveryDepthTopRowFirst) {
    for (int bpp : {32, 24, 16, 8, 4, 1}) {
        SCOPED_TRACE(bpp);
        const int width = 11, height = 5;
        const std::vector<std::uint8_t> rgb = BitmapToRgb24(MakeTestBitmap(width, height, bpp));
        ASSERT_EQ(rgb.size(), std::size_t(width * height * 3));
        const std::vector<std::uint32_t> palette = TestPalette(bpp <= 8 ? 1 << bpp : 0);
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x) {
                std::uint32_t want = TestColour(x, y, bpp);
                if (bpp <= 8) want = palette[want];
                const std::uint8_t* p = &rgb[std::size_t(y * width + x) * 3];
                const std::uint32_t got = std::uint32_t(p[0]) << 16 | std::uint32_t(p[1]) << 8 | p[2];
                if (bpp == 16)  // 5 bits a channel, widened by repeating the top bits
                    EXPECT_EQ(got & 0xF8F8F8, want & 0xF8F8F8) << x << "," << y;
                else
                    EXPECT_EQ(got, want) << x << "," << y;
            }
    }
}

TEST(BitmapToRgb24, WidensFiveBitLevelsToTheFullRange) {
    Bitmap bitmap;
    bitmap.width = 2;
    bitmap.height = 1;
    bitmap.bitsPerPixel = 16;
    bitmap.bits = {0xFF, 0x7F, 0x00, 0x00};  // white, black
    EXPECT_EQ(BitmapToRgb24(bitmap), (std::vector<std::uint8_t>{255, 255, 255, 0, 0, 0}));
}

TEST(BitmapToJpeg, ReportsWhatLibjpegRefuses) {
    Bitmap empty;
    EXPECT_THROW(BitmapToJpeg(empty), JpegError);
    Bitmap odd = MakeTestBitmap(4, 4, 24);
    odd.bitsPerPixel = 12;
    EXPECT_THROW(BitmapToJpeg(odd), JpegError);
    Bitmap truncated = MakeTestBitmap(4, 4, 24);
    truncated.bits.resize(10);
    EXPECT_THROW(BitmapToJpeg(truncated), JpegError);
}

}  // namespace
}  // namespace kv
