#include "runner/ScreenCapture.h"

#include <cstdio>
#include <vector>

#include "model/Payload.h"
#include "model/Split.h"
#include "platform/Files.h"
#include "runner/BitmapFile.h"
#include "runner/Jpeg.h"

namespace kv {

namespace {

const std::string& Field(const std::vector<std::string>& fields, std::size_t index) {
    if (index >= fields.size()) throw CaptureError("List index out of bounds (" + std::to_string(index) + ")");
    return fields[index];
}

void WriteCaptureFile(const std::string& path, std::initializer_list<FilePiece> pieces) {
    std::string reason;
    if (!WriteWholeFile(path, pieces, reason)) throw CaptureError("Cannot create file \"" + path + "\". " + reason);
}

}  // namespace

namespace {

// value in at least digits decimal digits, zeros in front; a minus sign
// before a negative one.
void AppendPadded(std::string& text, int value, int digits) {
    if (value < 0) {
        text += '-';
        value = -value;
    }
    const std::string number = std::to_string(value);
    if (int(number.size()) < digits) text.append(std::size_t(digits) - number.size(), '0');
    text += number;
}

}  // namespace

// Written by hand rather than with snprintf: the program's only formatted
// print would bring in the runtime's whole printf (about 15 KiB).
std::string DateTimeStr(const LocalTime& t) {
    std::string text;
    AppendPadded(text, t.year, 4);
    text += '.';
    AppendPadded(text, t.month, 2);
    text += '.';
    AppendPadded(text, t.day, 2);
    text += '.';
    AppendPadded(text, t.hour, 2);
    AppendPadded(text, t.minute, 2);
    AppendPadded(text, t.second, 2);
    text += '.';
    AppendPadded(text, t.millisecond, 3);
    return text;
}

std::string CaptureFilePath(const std::string& folder, const std::string& fileName) { return folder + "\\" + fileName; }

bool ScreenShot(ScreenApi& screen, int x, int y, int width, int height, Bitmap& bitmap) {
    if (width <= 0 || height <= 0) return false;
    return screen.CaptureScreen(Rect{x, y, width, height}, bitmap) && !bitmap.Empty();
}

void PlayScreenCapture(ScreenApi& screen, const std::string& payload) {
    std::string name = "Screenshot_" + DateTimeStr(screen.Now());
    const std::vector<std::string> fields = Split(payload, kPayloadSeparator);

    // The whole virtual screen from its real top-left corner, so that monitors
    // left of or above the primary one are in the picture too. A screen that
    // cannot be read is reported rather than saved as a blank picture.
    const Rect all = screen.VirtualScreen();
    Bitmap bitmap;
    if (!ScreenShot(screen, all.left, all.top, all.width, all.height, bitmap))
        throw CaptureError("Cannot capture the screen");

    const std::string& format = Field(fields, 1);
    const std::string& folder = Field(fields, 0);
    if (format == "Bitmap") {
        name += ".bmp";
        // The header, then the rows straight from the captured pixels.
        const std::vector<std::uint8_t> header = BmpFileHeader(bitmap);
        WriteCaptureFile(CaptureFilePath(folder, name),
                         {{header.data(), header.size()}, {bitmap.Pixels(), bitmap.PixelBytes()}});
    }
    if (format == "JPEG") {
        name += ".jpg";
        const std::vector<std::uint8_t> jpeg = BitmapToJpeg(bitmap);
        WriteCaptureFile(CaptureFilePath(folder, name), {{jpeg.data(), jpeg.size()}});
    }
}

}  // namespace kv
