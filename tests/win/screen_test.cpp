// The real screen under GDI: the capture layer and the capture player
// writing real files.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include <jpeglib.h>

#include "platform/win32/Win32Screen.h"
#include "runner/Jpeg.h"
#include "runner/ScreenCapture.h"
#include "support/TestFiles.h"

namespace kv {
namespace {

int DisplayDepth() {
    HDC screen = GetDC(nullptr);
    const int bits = GetDeviceCaps(screen, BITSPIXEL) * GetDeviceCaps(screen, PLANES);
    ReleaseDC(nullptr, screen);
    return bits == 15 ? 16 : bits;
}

Rect SystemVirtualScreen() {
    return Rect{GetSystemMetrics(SM_XVIRTUALSCREEN), GetSystemMetrics(SM_YVIRTUALSCREEN),
                GetSystemMetrics(SM_CXVIRTUALSCREEN), GetSystemMetrics(SM_CYVIRTUALSCREEN)};
}

void PumpMessages() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

// The RGB colour at (x, y) of a capture, y from the top.
std::uint32_t ColourAt(const Bitmap& bitmap, int x, int y) {
    const std::vector<std::uint8_t> rgb = BitmapToRgb24(bitmap);
    const std::uint8_t* p = &rgb[(std::size_t(y) * bitmap.width + x) * 3];
    return std::uint32_t(p[0]) << 16 | std::uint32_t(p[1]) << 8 | p[2];
}

bool CloseColours(std::uint32_t a, std::uint32_t b) {
    for (int shift : {0, 8, 16}) {
        const int d = int(a >> shift & 0xFF) - int(b >> shift & 0xFF);
        if (d > 8 || d < -8) return false;  // a 16-bit display keeps 5 or 6 bits a channel
    }
    return true;
}

TEST(Win32Screen, VirtualScreenIsTheSystemsMetrics) {
    Win32Screen screen;
    const Rect got = screen.VirtualScreen(), want = SystemVirtualScreen();
    EXPECT_EQ(got.left, want.left);
    EXPECT_EQ(got.top, want.top);
    EXPECT_EQ(got.width, want.width);
    EXPECT_EQ(got.height, want.height);
    EXPECT_GT(got.width, 0);
    EXPECT_GT(got.height, 0);
}

TEST(Win32Screen, CapturesTheWholeDisplayAtItsDepth) {
    Win32Screen screen;
    const Rect all = screen.VirtualScreen();
    Bitmap bitmap;
    ASSERT_TRUE(screen.CaptureScreen(all, bitmap));
    EXPECT_EQ(bitmap.width, all.width);
    EXPECT_EQ(bitmap.height, all.height);
    EXPECT_EQ(bitmap.bitsPerPixel, DisplayDepth());
    EXPECT_EQ(bitmap.PixelBytes(), std::size_t(bitmap.RowBytes()) * bitmap.height);
    if (bitmap.bitsPerPixel <= 8) {
        EXPECT_FALSE(bitmap.palette.empty());
    }
}

// A top-most window filled with one colour.
class ColourWindow {
public:
    ColourWindow(int x, int y, int width, int height, COLORREF colour) {
        brush_ = CreateSolidBrush(colour);
        WNDCLASSA wc = {};
        wc.lpfnWndProc = DefWindowProcA;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.hbrBackground = brush_;
        wc.lpszClassName = "KvCaptureTestWindow";
        RegisterClassA(&wc);
        window_ = CreateWindowExA(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, wc.lpszClassName, "", WS_POPUP | WS_VISIBLE, x, y,
                                  width, height, nullptr, nullptr, wc.hInstance, nullptr);
        UpdateWindow(window_);
        PumpMessages();
    }
    ~ColourWindow() {
        DestroyWindow(window_);
        UnregisterClassA("KvCaptureTestWindow", GetModuleHandleA(nullptr));
        DeleteObject(brush_);
        PumpMessages();
    }
    bool Valid() const { return window_ != nullptr; }

private:
    HBRUSH brush_ = nullptr;
    HWND window_ = nullptr;
};

// Teal: one of the static colours of a palette display, so it is shown
// undithered at every depth.
constexpr std::uint32_t kWindowColour = 0x008080;
constexpr COLORREF kWindowColorRef = RGB(0x00, 0x80, 0x80);

// The display server may show a new window a little later: look again for a while.
bool WaitUntilShown(int x, int y) {
    Win32Screen screen;
    Bitmap bitmap;
    for (int attempt = 0; attempt < 50; ++attempt) {
        PumpMessages();
        if (screen.CaptureScreen(Rect{x, y, 1, 1}, bitmap) && CloseColours(ColourAt(bitmap, 0, 0), kWindowColour))
            return true;
        Sleep(100);
    }
    return false;
}

TEST(Win32Screen, ShowsAPaintedWindowAtItsPlace) {
    ColourWindow window(100, 80, 120, 90, kWindowColorRef);
    ASSERT_TRUE(window.Valid());
    ASSERT_TRUE(WaitUntilShown(160, 125));

    Win32Screen screen;
    Bitmap bitmap;
    ASSERT_TRUE(screen.CaptureScreen(Rect{100, 80, 120, 90}, bitmap));
    // Every corner of the window, and nothing outside it.
    for (POINT p : {POINT{0, 0}, POINT{119, 0}, POINT{0, 89}, POINT{119, 89}})
        EXPECT_TRUE(CloseColours(ColourAt(bitmap, p.x, p.y), kWindowColour)) << p.x << "," << p.y;

    ASSERT_TRUE(screen.CaptureScreen(Rect{90, 70, 140, 110}, bitmap));
    EXPECT_TRUE(CloseColours(ColourAt(bitmap, 10, 10), kWindowColour));
    EXPECT_TRUE(CloseColours(ColourAt(bitmap, 129, 99), kWindowColour));
    EXPECT_FALSE(CloseColours(ColourAt(bitmap, 70, 9), kWindowColour)) << "the row above the window";
}

TEST(BitmapToJpeg, ReportsLibjpegsRefusalWithoutEndingTheProgram) {
    // libjpeg's own error exit would end the process; the encoder jumps back instead.
    Bitmap empty;
    EXPECT_THROW(BitmapToJpeg(empty), JpegError);
}

std::string SystemMessage(DWORD code) {
    char text[512] = "";
    FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, code, 0, text, sizeof text,
                   nullptr);
    std::string message = text;
    while (!message.empty() &&
           (message.back() == '\r' || message.back() == '\n' || message.back() == ' ' || message.back() == '.'))
        message.pop_back();
    return message;
}

std::vector<std::uint8_t> ReadBytes(const std::string& path) {
    std::vector<std::uint8_t> bytes;
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return bytes;
    bytes.resize(GetFileSize(file, nullptr));
    DWORD got = 0;
    ReadFile(file, bytes.data(), DWORD(bytes.size()), &got, nullptr);
    bytes.resize(got);
    CloseHandle(file);
    return bytes;
}

std::uint32_t U16(const std::vector<std::uint8_t>& f, std::size_t at) { return f[at] | f[at + 1] << 8; }
std::uint32_t U32(const std::vector<std::uint8_t>& f, std::size_t at) { return U16(f, at) | U16(f, at + 2) << 16; }
std::uint32_t B16(const std::vector<std::uint8_t>& f, std::size_t at) { return f[at] << 8 | f[at + 1]; }

// Width and height from the SOF0 segment of a baseline JPEG file; 0 when
// there is none before the scan.
void JpegSize(const std::vector<std::uint8_t>& f, int& width, int& height) {
    width = height = 0;
    std::size_t at = 2;
    while (at + 9 <= f.size() && f[at] == 0xFF && f[at + 1] != 0xDA) {
        if (f[at + 1] == 0xC0) {
            height = int(B16(f, at + 5));
            width = int(B16(f, at + 7));
            return;
        }
        at += 2 + B16(f, at + 2);
    }
}

// The RGB colour at (x, y), y from the top, of a JPEG file decoded by
// libjpeg; width and height get the picture's size.
std::uint32_t DecodedColourAt(const std::vector<std::uint8_t>& f, int x, int y, int& width, int& height) {
    jpeg_decompress_struct cinfo;
    jpeg_error_mgr err;
    cinfo.err = jpeg_std_error(&err);
    jpeg_create_decompress(&cinfo);
    jpeg_mem_src(&cinfo, f.data(), static_cast<unsigned long>(f.size()));
    jpeg_read_header(&cinfo, TRUE);
    cinfo.out_color_space = JCS_RGB;
    jpeg_start_decompress(&cinfo);
    width = int(cinfo.output_width);
    height = int(cinfo.output_height);
    std::vector<std::uint8_t> row(std::size_t(width) * 3);
    std::uint32_t colour = 0;
    while (cinfo.output_scanline < cinfo.output_height) {
        const int line = int(cinfo.output_scanline);
        JSAMPROW rows[1] = {row.data()};
        jpeg_read_scanlines(&cinfo, rows, 1);
        if (line == y && x < width) colour = std::uint32_t(row[x * 3]) << 16 | row[x * 3 + 1] << 8 | row[x * 3 + 2];
    }
    jpeg_finish_decompress(&cinfo);
    jpeg_destroy_decompress(&cinfo);
    return colour;
}

// A fresh folder under the temporary folder, removed with its files.
class CaptureFolder : public ::testing::Test {
protected:
    void SetUp() override {
        char temp[MAX_PATH];
        GetTempPathA(MAX_PATH, temp);
        folder_ = std::string(temp) + "kv_capture_" + std::to_string(GetCurrentProcessId());
        ASSERT_TRUE(CreateDirectoryA(folder_.c_str(), nullptr)) << folder_;
    }
    void TearDown() override {
        for (const std::string& name : Files()) DeleteFileA((folder_ + "\\" + name).c_str());
        RemoveDirectoryA(folder_.c_str());
    }
    std::vector<std::string> Files() const { return FileNamesIn(folder_); }
    static std::string Now() {
        Win32Screen screen;
        return DateTimeStr(screen.Now());
    }

    std::string folder_;
};

// "Screenshot_yyyy.mm.dd.hhmmss.zzz" + extension, stamped between before and after.
void ExpectCaptureName(const std::string& name, const std::string& extension, const std::string& before,
                       const std::string& after) {
    ASSERT_EQ(name.size(), 11 + 21 + extension.size()) << name;
    EXPECT_EQ(name.substr(0, 11), "Screenshot_");
    EXPECT_EQ(name.substr(32), extension);
    const std::string stamp = name.substr(11, 21);
    EXPECT_LE(before, stamp);
    EXPECT_LE(stamp, after);
}

TEST_F(CaptureFolder, BitmapWritesTheWholeScreenAsABmpFile) {
    ColourWindow window(200, 150, 40, 30, kWindowColorRef);
    ASSERT_TRUE(WaitUntilShown(220, 165));
    Win32Screen screen;
    const std::string before = Now();
    PlayScreenCapture(screen, folder_ + "|Bitmap");
    const std::string after = Now();

    const std::vector<std::string> files = Files();
    ASSERT_EQ(files.size(), 1u);
    ExpectCaptureName(files[0], ".bmp", before, after);
    const std::vector<std::uint8_t> f = ReadBytes(folder_ + "\\" + files[0]);
    ASSERT_GE(f.size(), 54u);
    const Rect all = SystemVirtualScreen();
    const int depth = DisplayDepth();
    EXPECT_EQ(f[0], 'B');
    EXPECT_EQ(f[1], 'M');
    EXPECT_EQ(U32(f, 2), f.size());
    EXPECT_EQ(U32(f, 18), std::uint32_t(all.width));
    EXPECT_EQ(U32(f, 22), std::uint32_t(all.height));
    EXPECT_EQ(U16(f, 28), std::uint32_t(depth));
    const std::uint32_t stride = (all.width * depth + 31) / 32 * 4;
    ASSERT_EQ(f.size(), U32(f, 10) + std::size_t(stride) * all.height);

    // The window's pixels, read back from the file, where the window stands.
    Bitmap read;
    read.width = all.width;
    read.height = all.height;
    read.bitsPerPixel = depth;
    for (std::uint32_t i = 0; i < U32(f, 46); ++i) read.palette.push_back(U32(f, 54 + 4 * i) & 0xFFFFFF);
    read.bits.assign(f.begin() + U32(f, 10), f.end());
    EXPECT_TRUE(CloseColours(ColourAt(read, 220 - all.left, 165 - all.top), kWindowColour));
    EXPECT_TRUE(CloseColours(ColourAt(read, 200 - all.left, 150 - all.top), kWindowColour));
    EXPECT_FALSE(CloseColours(ColourAt(read, 199 - all.left, 150 - all.top), kWindowColour));
}

TEST_F(CaptureFolder, JpegWritesABaselineJpegOfTheScreensSize) {
    Win32Screen screen;
    const std::string before = Now();
    PlayScreenCapture(screen, folder_ + "|JPEG");
    const std::string after = Now();

    const std::vector<std::string> files = Files();
    ASSERT_EQ(files.size(), 1u);
    ExpectCaptureName(files[0], ".jpg", before, after);
    const std::vector<std::uint8_t> f = ReadBytes(folder_ + "\\" + files[0]);
    ASSERT_GE(f.size(), 4u);
    EXPECT_EQ(B16(f, 0), 0xFFD8u);
    EXPECT_EQ(B16(f, f.size() - 2), 0xFFD9u);
    int width = 0, height = 0;
    JpegSize(f, width, height);
    const Rect all = SystemVirtualScreen();
    EXPECT_EQ(width, all.width);
    EXPECT_EQ(height, all.height);
}

TEST_F(CaptureFolder, JpegDecodesToTheScreenTheRightWayUp) {
    // The middle of a coloured window, well inside its 8x8 blocks; the
    // screen's rows are stored bottom-up, the file's top-down.
    ColourWindow window(200, 150, 64, 48, kWindowColorRef);
    ASSERT_TRUE(WaitUntilShown(232, 174));
    Win32Screen screen;
    PlayScreenCapture(screen, folder_ + "|JPEG");
    const std::vector<std::string> files = Files();
    ASSERT_EQ(files.size(), 1u);
    const Rect all = SystemVirtualScreen();
    int width = 0, height = 0;
    const std::vector<std::uint8_t> f = ReadBytes(folder_ + "\\" + files[0]);
    EXPECT_TRUE(CloseColours(DecodedColourAt(f, 232 - all.left, 174 - all.top, width, height), kWindowColour));
    EXPECT_EQ(width, all.width);
    EXPECT_EQ(height, all.height);
    EXPECT_FALSE(CloseColours(DecodedColourAt(f, 150 - all.left, 100 - all.top, width, height), kWindowColour));
}

TEST_F(CaptureFolder, AFolderEndingInABackslashIsAcceptedWithTheDoubledSeparator) {
    Win32Screen screen;
    PlayScreenCapture(screen, folder_ + "\\|Bitmap");
    EXPECT_EQ(Files().size(), 1u);
}

TEST_F(CaptureFolder, OtherFormatTextsWriteNothing) {
    Win32Screen screen;
    PlayScreenCapture(screen, folder_ + "|Jpeg");
    PlayScreenCapture(screen, folder_ + "|bitmap");
    EXPECT_TRUE(Files().empty());
}

TEST_F(CaptureFolder, AMissingFolderIsReportedWithThePathAndTheSystemsReason) {
    Win32Screen screen;
    const std::string missing = folder_ + "\\missing";
    try {
        PlayScreenCapture(screen, missing + "|Bitmap");
        FAIL() << "no error";
    } catch (const CaptureError& e) {
        const std::string text = e.what();
        const std::string start = "Cannot create file \"" + missing + "\\Screenshot_";
        EXPECT_EQ(text.substr(0, start.size()), start) << text;
        const std::string end = ".bmp\". " + SystemMessage(ERROR_PATH_NOT_FOUND);
        ASSERT_GE(text.size(), end.size());
        EXPECT_EQ(text.substr(text.size() - end.size()), end) << text;
    }
    EXPECT_TRUE(Files().empty());
}

}  // namespace
}  // namespace kv
