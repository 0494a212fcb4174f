#pragma once
// The screen capture player: copies the whole virtual screen and writes it as
// a BMP or JPEG file named after the local time.
#include <stdexcept>
#include <string>

#include "platform/ScreenApi.h"

namespace kv {

// A failure that ends the capture macro; the text is shown in the
// application's error box with a full stop added.
class CaptureError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The local time as "yyyy.mm.dd.hhmmss.zzz", for instance 2024.03.05.140709.045.
std::string DateTimeStr(const LocalTime& time);

// The capture file's path: the folder as the payload names it, "\" and the
// name. A folder that ends in "\" gives a doubled separator, which Windows
// accepts.
std::string CaptureFilePath(const std::string& folder, const std::string& fileName);

// Copies the screen rectangle whose top-left corner is (x, y) into bitmap,
// sized width by height. False when the screen cannot be read or the
// rectangle is empty.
bool ScreenShot(ScreenApi& screen, int x, int y, int width, int height, Bitmap& bitmap);

// Player of SCRCAP payloads "folder|format": captures the whole virtual
// screen from its top-left corner (which lies left of or above the primary
// screen when another monitor stands there) and writes
// folder\Screenshot_<DateTimeStr>.bmp when the format is "Bitmap" or .jpg
// when it is "JPEG" (exact case); any other format writes nothing. An
// existing file of that name is replaced. Throws CaptureError when the
// payload has fewer than two fields, the screen cannot be read or the file
// cannot be created, and JpegError when the encoder fails.
void PlayScreenCapture(ScreenApi& screen, const std::string& payload);

}  // namespace kv
