#include "runner/BitmapFile.h"

namespace kv {

namespace {

constexpr std::uint32_t kFileHeaderSize = 14;
constexpr std::uint32_t kInfoHeaderSize = 40;

// The file format is little-endian whatever the machine.
class LittleEndianWriter {
public:
    explicit LittleEndianWriter(std::vector<std::uint8_t>& out) : out_(out) {}
    void U16(std::uint32_t v) {
        out_.push_back(std::uint8_t(v));
        out_.push_back(std::uint8_t(v >> 8));
    }
    void U32(std::uint32_t v) {
        U16(v & 0xFFFF);
        U16(v >> 16);
    }

private:
    std::vector<std::uint8_t>& out_;
};

}  // namespace

std::vector<std::uint8_t> BmpFileHeader(const Bitmap& bitmap) {
    const bool indexed = bitmap.bitsPerPixel <= 8;
    const std::uint32_t colours = indexed ? std::uint32_t(bitmap.palette.size()) : 0;
    const std::uint32_t bitsOffset = kFileHeaderSize + kInfoHeaderSize + colours * 4;
    const std::uint32_t imageSize = std::uint32_t(bitmap.PixelBytes());

    std::vector<std::uint8_t> file;
    file.reserve(bitsOffset);
    LittleEndianWriter w(file);

    // BITMAPFILEHEADER
    file.push_back('B');
    file.push_back('M');
    w.U32(bitsOffset + imageSize);
    w.U16(0);
    w.U16(0);
    w.U32(bitsOffset);

    // BITMAPINFOHEADER; a positive height means bottom-up rows.
    w.U32(kInfoHeaderSize);
    w.U32(std::uint32_t(bitmap.width));
    w.U32(std::uint32_t(bitmap.height));
    w.U16(1);  // planes
    w.U16(std::uint32_t(bitmap.bitsPerPixel));
    w.U32(0);  // BI_RGB
    w.U32(imageSize);
    w.U32(0);  // horizontal and vertical resolution: not known
    w.U32(0);
    w.U32(colours);
    w.U32(0);  // all colours are important

    // The colour table holds RGBQUADs: blue, green, red, reserved.
    for (std::uint32_t i = 0; i < colours; ++i) w.U32(bitmap.palette[i] & 0xFFFFFF);
    return file;
}

std::vector<std::uint8_t> BitmapToBmpFile(const Bitmap& bitmap) {
    std::vector<std::uint8_t> file = BmpFileHeader(bitmap);
    file.insert(file.end(), bitmap.Pixels(), bitmap.Pixels() + bitmap.PixelBytes());
    return file;
}

}  // namespace kv
