// Time of a screen capture on the real display: the SCRCAP player writing a
// JPEG file (copy of the screen, encoding, file) against the least that work
// costs, measured in the same run: BitBlt into a 32-bit DIB section,
// libjpeg-turbo at quality 90 straight from its pixels, one write. The two
// alternate; the ratio of their medians is keyvane's overhead. The parts of
// the player and the BMP player are timed too.
//   bench_capture_win [runs]
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include <jpeglib.h>

#include "platform/win32/Win32Screen.h"
#include "runner/BitmapFile.h"
#include "runner/Jpeg.h"
#include "runner/ScreenCapture.h"

namespace {

double NowMs() {
    static const double perMs = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return double(f.QuadPart) / 1000.0;
    }();
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return double(now.QuadPart) / perMs;
}

struct Timing {
    std::vector<double> times;
    void Run(const std::function<void()>& step) {
        const double start = NowMs();
        step();
        times.push_back(NowMs() - start);
    }
    double Median() {
        std::sort(times.begin(), times.end());
        return times[times.size() / 2];
    }
    void Print(const char* what) {
        std::sort(times.begin(), times.end());
        std::printf("%-44s min %7.1f ms   median %7.1f ms   max %7.1f ms\n", what, times.front(),
                    times[times.size() / 2], times.back());
    }
};

// Empties the folder of the files the player wrote.
void RemoveCaptures(const std::string& folder) {
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((folder + "\\Screenshot_*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return;
    do {
        DeleteFileA((folder + "\\" + found.cFileName).c_str());
    } while (FindNextFileA(search, &found));
    FindClose(search);
}

// The anchor: the screen into a DIB section, encoded from there, written.
bool DirectCapture(const std::string& path) {
    const int left = GetSystemMetrics(SM_XVIRTUALSCREEN), top = GetSystemMetrics(SM_YVIRTUALSCREEN);
    const int width = GetSystemMetrics(SM_CXVIRTUALSCREEN), height = GetSystemMetrics(SM_CYVIRTUALSCREEN);
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* pixels = nullptr;
    HBITMAP dib = CreateDIBSection(memory, &info, DIB_RGB_COLORS, &pixels, nullptr, 0);
    HGDIOBJ old = SelectObject(memory, dib);
    BitBlt(memory, 0, 0, width, height, screen, left, top, SRCCOPY);
    GdiFlush();

    FILE* file = std::fopen(path.c_str(), "wb");
    if (file) {
        jpeg_compress_struct cinfo;
        jpeg_error_mgr err;
        cinfo.err = jpeg_std_error(&err);
        jpeg_create_compress(&cinfo);
        jpeg_stdio_dest(&cinfo, file);
        cinfo.image_width = JDIMENSION(width);
        cinfo.image_height = JDIMENSION(height);
        cinfo.input_components = 4;
        cinfo.in_color_space = JCS_EXT_BGRX;
        jpeg_set_defaults(&cinfo);
        jpeg_set_quality(&cinfo, 90, TRUE);
        jpeg_start_compress(&cinfo, TRUE);
        const std::size_t stride = std::size_t(width) * 4;
        while (cinfo.next_scanline < cinfo.image_height) {
            JSAMPROW row = static_cast<JSAMPLE*>(pixels) + (height - 1 - cinfo.next_scanline) * stride;
            jpeg_write_scanlines(&cinfo, &row, 1);
        }
        jpeg_finish_compress(&cinfo);
        jpeg_destroy_compress(&cinfo);
        std::fclose(file);
    }
    SelectObject(memory, old);
    DeleteObject(dib);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return file != nullptr;
}

}  // namespace

int main(int argc, char** argv) {
    const int runs = argc > 1 ? std::max(3, std::atoi(argv[1])) : 9;
    kv::Win32Screen screen;
    const kv::Rect all = screen.VirtualScreen();
    kv::Bitmap bitmap;
    if (!screen.CaptureScreen(all, bitmap)) {
        std::printf("the screen cannot be read\n");
        return 1;
    }
    std::printf("screen %dx%d at %d bits, %d runs each\n", all.width, all.height, bitmap.bitsPerPixel, runs);

    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    const std::string folder = std::string(temp) + "kv-bench-capture-" + std::to_string(GetCurrentProcessId());
    CreateDirectoryA(folder.c_str(), nullptr);
    const std::string direct = folder + "\\direct.jpg";

    // Warm-up: first touches of GDI, the heap and the file system.
    DirectCapture(direct);
    kv::PlayScreenCapture(screen, folder + "|JPEG");
    RemoveCaptures(folder);

    Timing anchor, player, bmpPlayer, copy, encode;
    std::size_t jpegSize = 0;
    for (int i = 0; i < runs; ++i) {
        anchor.Run([&] { DirectCapture(direct); });
        player.Run([&] { kv::PlayScreenCapture(screen, folder + "|JPEG"); });
        RemoveCaptures(folder);
        bmpPlayer.Run([&] { kv::PlayScreenCapture(screen, folder + "|Bitmap"); });
        RemoveCaptures(folder);
        copy.Run([&] { screen.CaptureScreen(all, bitmap); });
        encode.Run([&] { jpegSize = kv::BitmapToJpeg(bitmap).size(); });
    }
    copy.Print("copy of the screen (Win32Screen)");
    encode.Print("BitmapToJpeg");
    bmpPlayer.Print("player, BMP file (capture+write)");
    anchor.Print("BitBlt+libjpeg-turbo+write (anchor)");
    player.Print("player, JPEG file (capture+encode+write)");
    std::printf("JPEG file size %zu KiB\n", jpegSize / 1024);
    const double k = player.Median(), a = anchor.Median();
    std::printf("player against the anchor: %.2fx\n", k / a);
    char keyvaneText[32], anchorText[32], ratioText[32];
    std::snprintf(keyvaneText, sizeof keyvaneText, "%.1f ms", k);
    std::snprintf(anchorText, sizeof anchorText, "%.1f ms", a);
    std::snprintf(ratioText, sizeof ratioText, "%.2fx", k / a);
    std::printf("summary: JPEG capture %dx%d; %s; %s; %s; <= 1.2x\n", all.width, all.height, keyvaneText, anchorText,
                ratioText);

    DeleteFileA(direct.c_str());
    RemoveCaptures(folder);
    RemoveDirectoryA(folder.c_str());
    return 0;
}
