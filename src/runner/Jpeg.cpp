#include "runner/Jpeg.h"

#include <csetjmp>
#include <cstdio>
#include <cstring>
#include <new>

// jpeglib.h needs size_t and FILE declared before it.
#include <jerror.h>
#include <jpeglib.h>

namespace kv {

namespace {

// One row of the bitmap, y counted from the top, as RGB bytes.
void RowToRgb(const Bitmap& bitmap, int y, std::uint8_t* rgb) {
    const std::uint8_t* row = bitmap.Pixels() + std::size_t(bitmap.height - 1 - y) * bitmap.RowBytes();
    const int width = bitmap.width;
    switch (bitmap.bitsPerPixel) {
        case 32:
            for (int x = 0; x < width; ++x, row += 4, rgb += 3) {
                rgb[0] = row[2];
                rgb[1] = row[1];
                rgb[2] = row[0];
            }
            break;
        case 24:
            for (int x = 0; x < width; ++x, row += 3, rgb += 3) {
                rgb[0] = row[2];
                rgb[1] = row[1];
                rgb[2] = row[0];
            }
            break;
        case 16:
            // 5-5-5: each 5-bit level widened to 8 bits with its top bits repeated.
            for (int x = 0; x < width; ++x, row += 2, rgb += 3) {
                const unsigned word = row[0] | row[1] << 8;
                const unsigned r = word >> 10 & 31, g = word >> 5 & 31, b = word & 31;
                rgb[0] = std::uint8_t(r << 3 | r >> 2);
                rgb[1] = std::uint8_t(g << 3 | g >> 2);
                rgb[2] = std::uint8_t(b << 3 | b >> 2);
            }
            break;
        default: {
            // Palette bitmaps; an index beyond the palette shows black.
            const int bpp = bitmap.bitsPerPixel;
            const unsigned mask = (1u << bpp) - 1;
            for (int x = 0; x < width; ++x, rgb += 3) {
                const int bit = x * bpp;
                const unsigned index = row[bit / 8] >> (8 - bpp - bit % 8) & mask;
                const std::uint32_t colour = index < bitmap.palette.size() ? bitmap.palette[index] : 0;
                rgb[0] = std::uint8_t(colour >> 16);
                rgb[1] = std::uint8_t(colour >> 8);
                rgb[2] = std::uint8_t(colour);
            }
            break;
        }
    }
}

bool SupportedDepth(int bitsPerPixel) {
    switch (bitsPerPixel) {
        case 1:
        case 4:
        case 8:
        case 16:
        case 24:
        case 32: return true;
        default: return false;
    }
}

void CheckLayout(const Bitmap& bitmap) {
    if (!SupportedDepth(bitmap.bitsPerPixel)) throw JpegError("Unsupported bitmap colour depth");
    if (bitmap.width < 0 || bitmap.height < 0 ||
        bitmap.PixelBytes() < std::size_t(bitmap.RowBytes()) * std::size_t(bitmap.height))
        throw JpegError("Bitmap size does not match its pixels");
}

// libjpeg reports fatal errors through error_exit, which must not return:
// jump back to the compressor's frame with the library's message. The
// compiler's own jump restores the registers and nothing else: unlike
// longjmp on 64-bit Windows it does not unwind the frames in between, so
// libjpeg needs no unwind data (which lets the link drop its unused code).
#if defined(__GNUC__)
using JumpBuffer = void* [5];
#define KV_SETJMP(buffer) __builtin_setjmp(buffer)
#define KV_LONGJMP(buffer) __builtin_longjmp(buffer, 1)
#else
using JumpBuffer = std::jmp_buf;
#define KV_SETJMP(buffer) setjmp(buffer)
#define KV_LONGJMP(buffer) std::longjmp(buffer, 1)
#endif

struct ErrorManager {
    jpeg_error_mgr pub;
    JumpBuffer jump;
    char message[JMSG_LENGTH_MAX];
};

void ErrorExit(j_common_ptr cinfo) {
    ErrorManager* err = reinterpret_cast<ErrorManager*>(cinfo->err);
    err->pub.format_message(cinfo, err->message);
    KV_LONGJMP(err->jump);
}

void SilentMessage(j_common_ptr) {}

// A destination that grows a vector owned by the caller, so nothing leaks
// when the library gives up half way.
struct VectorDestination {
    jpeg_destination_mgr pub;
    std::vector<std::uint8_t>* out;
};

constexpr std::size_t kDestinationChunk = 64 * 1024;

void InitDestination(j_compress_ptr cinfo) {
    VectorDestination* dest = reinterpret_cast<VectorDestination*>(cinfo->dest);
    dest->out->resize(kDestinationChunk);
    dest->pub.next_output_byte = dest->out->data();
    dest->pub.free_in_buffer = dest->out->size();
}

boolean EmptyOutputBuffer(j_compress_ptr cinfo) {
    // Called with the whole buffer full, whatever free_in_buffer says.
    VectorDestination* dest = reinterpret_cast<VectorDestination*>(cinfo->dest);
    const std::size_t used = dest->out->size();
    bool grown = true;
    try {
        dest->out->resize(used * 2);
    } catch (const std::bad_alloc&) {
        grown = false;  // the error exit jumps: leave the handler first
    }
    if (!grown) ERREXIT(cinfo, JERR_OUT_OF_MEMORY);
    dest->pub.next_output_byte = dest->out->data() + used;
    dest->pub.free_in_buffer = dest->out->size() - used;
    return TRUE;
}

void TermDestination(j_compress_ptr cinfo) {
    VectorDestination* dest = reinterpret_cast<VectorDestination*>(cinfo->dest);
    dest->out->resize(dest->out->size() - dest->pub.free_in_buffer);
}

// The library's name for the bitmap's own pixel layout when it can read the
// rows as they are (B, G, R bytes, with or without a fourth byte); false for
// the depths that need converting.
bool DirectColourSpace(const Bitmap& bitmap, J_COLOR_SPACE& space, int& components) {
#ifdef JCS_EXTENSIONS
    if (bitmap.bitsPerPixel == 32) {
        space = JCS_EXT_BGRX;
        components = 4;
        return true;
    }
    if (bitmap.bitsPerPixel == 24) {
        space = JCS_EXT_BGR;
        components = 3;
        return true;
    }
#endif
    return false;
}

// Plain data only in this frame: longjmp skips destructors. rows holds a
// pointer to each of the bitmap's rows from the top when the library reads
// them in place, else rowBuffer takes each row converted to RGB.
bool Compress(const Bitmap& bitmap, JSAMPROW* rows, std::uint8_t* rowBuffer, std::vector<std::uint8_t>& out,
              char* message) {
    jpeg_compress_struct cinfo;
    ErrorManager err;
    VectorDestination dest;
    // A failed creation must leave nothing for jpeg_destroy_compress to free.
    std::memset(&cinfo, 0, sizeof cinfo);

    cinfo.err = jpeg_std_error(&err.pub);
    err.pub.error_exit = ErrorExit;
    err.pub.output_message = SilentMessage;
    err.message[0] = 0;
    if (KV_SETJMP(err.jump)) {
        std::strncpy(message, err.message, JMSG_LENGTH_MAX - 1);
        message[JMSG_LENGTH_MAX - 1] = '\0';
        jpeg_destroy_compress(&cinfo);
        return false;
    }
    jpeg_create_compress(&cinfo);

    dest.pub.init_destination = InitDestination;
    dest.pub.empty_output_buffer = EmptyOutputBuffer;
    dest.pub.term_destination = TermDestination;
    dest.out = &out;
    cinfo.dest = &dest.pub;

    cinfo.image_width = JDIMENSION(bitmap.width);
    cinfo.image_height = JDIMENSION(bitmap.height);
    cinfo.input_components = 3;
    cinfo.in_color_space = JCS_RGB;
    const bool direct = rows && DirectColourSpace(bitmap, cinfo.in_color_space, cinfo.input_components);
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, kJpegQuality, TRUE);  // baseline: 8-bit quantisation tables
    jpeg_start_compress(&cinfo, TRUE);
    JSAMPROW row = rowBuffer;
    while (cinfo.next_scanline < cinfo.image_height) {
        if (direct) {
            jpeg_write_scanlines(&cinfo, rows + cinfo.next_scanline, cinfo.image_height - cinfo.next_scanline);
        } else {
            RowToRgb(bitmap, int(cinfo.next_scanline), rowBuffer);
            jpeg_write_scanlines(&cinfo, &row, 1);
        }
    }
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);
    return true;
}

}  // namespace

std::vector<std::uint8_t> BitmapToRgb24(const Bitmap& bitmap) {
    CheckLayout(bitmap);
    std::vector<std::uint8_t> rgb(std::size_t(bitmap.width) * 3 * bitmap.height);
    for (int y = 0; y < bitmap.height; ++y) RowToRgb(bitmap, y, rgb.data() + std::size_t(y) * bitmap.width * 3);
    return rgb;
}

std::vector<std::uint8_t> BitmapToJpeg(const Bitmap& bitmap) {
    CheckLayout(bitmap);
    // 24- and 32-bit pixels go to the library as they are: the rows from the
    // top are the stored rows read from the last, no copy, no conversion.
    J_COLOR_SPACE space;
    int components;
    std::vector<JSAMPROW> rows;
    std::vector<std::uint8_t> rowBuffer;
    if (DirectColourSpace(bitmap, space, components)) {
        rows.resize(std::size_t(bitmap.height) + 1);
        // The library only reads the rows; its interface has no const.
        std::uint8_t* pixels = const_cast<std::uint8_t*>(bitmap.Pixels());
        for (int y = 0; y < bitmap.height; ++y)
            rows[std::size_t(y)] = pixels + std::size_t(bitmap.height - 1 - y) * std::size_t(bitmap.RowBytes());
    } else {
        rowBuffer.resize(std::size_t(bitmap.width) * 3 + 1);
    }
    std::vector<std::uint8_t> out;
    char message[JMSG_LENGTH_MAX] = "";
    if (!Compress(bitmap, rows.empty() ? nullptr : rows.data(), rowBuffer.data(), out, message))
        throw JpegError(message);
    return out;
}

}  // namespace kv
