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

std::string DateTimeStr(const LocalTime& t) {
    char text[32];
    std::snprintf(text, sizeof text, "%04d.%02d.%02d.%02d%02d%02d.%03d", t.year, t.month, t.day, t.hour, t.minute,
                  t.second, t.millisecond);
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
