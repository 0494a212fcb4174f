#pragma once
// Reading back the capture files that a macro writes: the file names in a
// folder, BMP files and JPEG files (decoded with libjpeg).
#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

namespace kv::e2e {

// Names of the files (not folders) in a folder, sorted.
std::vector<std::string> FileNames(const std::string& folder);
// The whole file, or nothing while it cannot be opened (another process
// still writing it holds it without sharing).
bool ReadWholeFile(const std::string& path, std::vector<std::uint8_t>& bytes);

// The local time in the form of the capture names, yyyy.mm.dd.hhmmss.zzz;
// texts of this form sort as the times do.
std::string TimeStamp(const SYSTEMTIME& time);
std::string LocalTimeStamp();

// A decoded picture: width by height RGB pixels, top row first.
struct Picture {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> rgb;
    COLORREF At(int x, int y) const;
};

struct BmpFile {
    Picture picture;
    int bitsPerPixel = 0;
};
// False, with the reason, for a file that is not a complete BMP file of the
// kinds a screen gives (1 to 8 bits with a colour table, 16-bit 5-5-5, 24 and
// 32 bits; uncompressed).
bool ReadBmp(const std::vector<std::uint8_t>& bytes, BmpFile& out, std::string& why);

struct JpegFile {
    Picture picture;
    bool baseline = false;  // the frame is SOF0
    bool jfif = false;      // an APP0 "JFIF" segment follows the start marker
};
bool ReadJpeg(const std::vector<std::uint8_t>& bytes, JpegFile& out, std::string& why);

}  // namespace kv::e2e
