#pragma once
// The platform's bitmap file format (BMP), written portably.
#include <cstdint>
#include <vector>

#include "platform/ScreenApi.h"

namespace kv {

// A complete BMP file of the bitmap at its own depth: BITMAPFILEHEADER,
// BITMAPINFOHEADER (bottom-up rows, no compression), the colour table of a
// palette bitmap, then the pixel rows.
std::vector<std::uint8_t> BitmapToBmpFile(const Bitmap& bitmap);

// The part of that file before the pixel rows, so that the rows can be
// written straight from the bitmap.
std::vector<std::uint8_t> BmpFileHeader(const Bitmap& bitmap);

}  // namespace kv
