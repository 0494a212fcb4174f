#include "macro_image_files.h"

#include <algorithm>
#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include <jpeglib.h>

#include "support/TestFiles.h"

namespace kv::e2e {

std::vector<std::string> FileNames(const std::string& folder) { return FileNamesIn(folder); }

bool ReadWholeFile(const std::string& path, std::vector<std::uint8_t>& bytes) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    LARGE_INTEGER size = {};
    bool ok = GetFileSizeEx(file, &size) != FALSE;
    if (ok) {
        bytes.resize(size_t(size.QuadPart));
        DWORD read = 0;
        ok = bytes.empty() ||
             (ReadFile(file, bytes.data(), DWORD(bytes.size()), &read, nullptr) && read == bytes.size());
    }
    CloseHandle(file);
    return ok;
}

std::string TimeStamp(const SYSTEMTIME& t) {
    char text[32];
    std::snprintf(text, sizeof text, "%04u.%02u.%02u.%02u%02u%02u.%03u", t.wYear, t.wMonth, t.wDay, t.wHour, t.wMinute,
                  t.wSecond, t.wMilliseconds);
    return text;
}

std::string LocalTimeStamp() {
    SYSTEMTIME now;
    GetLocalTime(&now);
    return TimeStamp(now);
}

COLORREF Picture::At(int x, int y) const {
    const std::uint8_t* p = &rgb[(size_t(y) * size_t(width) + size_t(x)) * 3];
    return RGB(p[0], p[1], p[2]);
}

// ---------------------------------------------------------------- BMP

namespace {

bool Fail(std::string& why, const std::string& reason) {
    why = reason;
    return false;
}

std::uint32_t U16(const std::vector<std::uint8_t>& b, size_t at) { return b[at] | b[at + 1] << 8; }
std::uint32_t U32(const std::vector<std::uint8_t>& b, size_t at) { return U16(b, at) | U16(b, at + 2) << 16; }

}  // namespace

bool ReadBmp(const std::vector<std::uint8_t>& bytes, BmpFile& out, std::string& why) {
    if (bytes.size() < 54 || bytes[0] != 'B' || bytes[1] != 'M') return Fail(why, "no BMP file header");
    if (U32(bytes, 2) != bytes.size())
        return Fail(why, "file size field " + std::to_string(U32(bytes, 2)) + " for " + std::to_string(bytes.size()) +
                             " bytes");
    const std::uint32_t bitsOffset = U32(bytes, 10);
    const std::uint32_t infoSize = U32(bytes, 14);
    const int width = int(U32(bytes, 18));
    const int rawHeight = int(U32(bytes, 22));
    const int bpp = int(U16(bytes, 28));
    const std::uint32_t compression = U32(bytes, 30);
    if (infoSize < 40 || U16(bytes, 26) != 1) return Fail(why, "unexpected info header");
    if (compression != BI_RGB) return Fail(why, "compression " + std::to_string(compression));
    if (width <= 0 || rawHeight == 0) return Fail(why, "empty picture");
    const bool bottomUp = rawHeight > 0;
    const int height = std::abs(rawHeight);
    const size_t rowBytes = (size_t(width) * size_t(bpp) + 31) / 32 * 4;
    if (bitsOffset + rowBytes * size_t(height) > bytes.size()) return Fail(why, "pixels cut short");

    std::vector<COLORREF> table;
    if (bpp <= 8) {
        std::uint32_t count = U32(bytes, 46);
        if (count == 0) count = 1u << bpp;
        const size_t tableAt = 14 + infoSize;
        if (tableAt + count * 4 > bitsOffset) return Fail(why, "colour table cut short");
        for (std::uint32_t i = 0; i < count; ++i) {
            const size_t e = tableAt + i * 4;  // blue, green, red, reserved
            table.push_back(RGB(bytes[e + 2], bytes[e + 1], bytes[e]));
        }
    } else if (bpp != 16 && bpp != 24 && bpp != 32) {
        return Fail(why, std::to_string(bpp) + " bits per pixel");
    }

    out.bitsPerPixel = bpp;
    Picture& picture = out.picture;
    picture.width = width;
    picture.height = height;
    picture.rgb.assign(size_t(width) * size_t(height) * 3, 0);
    for (int y = 0; y < height; ++y) {
        const size_t row = bitsOffset + rowBytes * size_t(bottomUp ? height - 1 - y : y);
        for (int x = 0; x < width; ++x) {
            COLORREF c = 0;
            if (bpp <= 8) {
                const size_t bit = size_t(x) * size_t(bpp);
                const unsigned index = (bytes[row + bit / 8] >> (8 - bpp - bit % 8)) & ((1u << bpp) - 1);
                if (index >= table.size()) return Fail(why, "pixel index beyond the colour table");
                c = table[index];
            } else if (bpp == 16) {
                const std::uint32_t v = U16(bytes, row + size_t(x) * 2);  // 5-5-5
                c = RGB((v >> 10 & 31) * 255 / 31, (v >> 5 & 31) * 255 / 31, (v & 31) * 255 / 31);
            } else {
                const size_t p = row + size_t(x) * size_t(bpp / 8);
                c = RGB(bytes[p + 2], bytes[p + 1], bytes[p]);
            }
            std::uint8_t* dst = &picture.rgb[(size_t(y) * size_t(width) + size_t(x)) * 3];
            dst[0] = GetRValue(c);
            dst[1] = GetGValue(c);
            dst[2] = GetBValue(c);
        }
    }
    return true;
}

// ---------------------------------------------------------------- JPEG

namespace {

struct JpegErrors {
    jpeg_error_mgr manager;
    std::jmp_buf escape;
    char message[JMSG_LENGTH_MAX];
};

void LeaveOnError(j_common_ptr info) {
    auto* errors = reinterpret_cast<JpegErrors*>(info->err);
    errors->manager.format_message(info, errors->message);
    std::longjmp(errors->escape, 1);
}

// The marker of the frame (SOF0 to SOF15) and whether APP0 "JFIF" comes
// first, by walking the segments that precede the scan.
void ReadMarkers(const std::vector<std::uint8_t>& b, JpegFile& out) {
    size_t at = 2;
    bool first = true;
    while (at + 4 <= b.size() && b[at] == 0xFF) {
        const std::uint8_t marker = b[at + 1];
        const size_t length = size_t(b[at + 2]) << 8 | b[at + 3];
        if (first && marker == 0xE0 && at + 9 <= b.size()) out.jfif = std::memcmp(&b[at + 4], "JFIF\0", 5) == 0;
        first = false;
        if (marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC) {
            out.baseline = marker == 0xC0;
            return;
        }
        if (marker == 0xDA) return;  // start of scan without a frame
        at += 2 + length;
    }
}

}  // namespace

bool ReadJpeg(const std::vector<std::uint8_t>& bytes, JpegFile& out, std::string& why) {
    if (bytes.size() < 4 || bytes[0] != 0xFF || bytes[1] != 0xD8) return Fail(why, "no start of image marker");
    if (bytes[bytes.size() - 2] != 0xFF || bytes[bytes.size() - 1] != 0xD9) return Fail(why, "no end of image marker");
    ReadMarkers(bytes, out);

    jpeg_decompress_struct info;
    JpegErrors errors;
    info.err = jpeg_std_error(&errors.manager);
    errors.manager.error_exit = LeaveOnError;
    // Written before the jump target, read after a jump: volatile.
    std::vector<std::uint8_t>* volatile pixels = &out.picture.rgb;
    if (setjmp(errors.escape)) {
        jpeg_destroy_decompress(&info);
        why = std::string("libjpeg: ") + errors.message;
        return false;
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, bytes.data(), static_cast<unsigned long>(bytes.size()));
    jpeg_read_header(&info, TRUE);
    info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&info);
    out.picture.width = int(info.output_width);
    out.picture.height = int(info.output_height);
    pixels->assign(size_t(info.output_width) * info.output_height * 3, 0);
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = &(*pixels)[size_t(info.output_scanline) * info.output_width * 3];
        jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    return true;
}

}  // namespace kv::e2e
