#pragma once
// JPEG encoding of screen captures through libjpeg.
#include <cstdint>
#include <stdexcept>
#include <vector>

#include "platform/ScreenApi.h"

namespace kv {

constexpr int kJpegQuality = 90;

// libjpeg refused the image; the text is the library's own message.
class JpegError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A 24-bit copy of the bitmap: RGB bytes, rows from top to bottom, no padding.
std::vector<std::uint8_t> BitmapToRgb24(const Bitmap& bitmap);

// A baseline JFIF file of quality 90 of the bitmap (24- and 32-bit pixels read
// in place, other depths through their RGB copy), scan lines from top to
// bottom. Throws JpegError.
std::vector<std::uint8_t> BitmapToJpeg(const Bitmap& bitmap);

}  // namespace kv
