// Time of a screen capture on the real display: the copy of the screen, the
// encoding, and the whole SCRCAP player writing its file.
//   bench_capture_win [runs]
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

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

void Report(const char* what, int runs, const std::function<void()>& step) {
    step();  // warm-up: first touches of GDI, the heap and the file system
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        const double start = NowMs();
        step();
        times.push_back(NowMs() - start);
    }
    std::sort(times.begin(), times.end());
    std::printf("%-42s min %8.1f ms   median %8.1f ms   max %8.1f ms\n", what, times.front(),
                times[times.size() / 2], times.back());
}

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

}  // namespace

int main(int argc, char** argv) {
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 10;
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

    std::size_t jpegSize = 0, bmpSize = 0;
    Report("copy of the screen (GDI)", runs, [&] { screen.CaptureScreen(all, bitmap); });
    Report("BitmapToJpeg", runs, [&] { jpegSize = kv::BitmapToJpeg(bitmap).size(); });
    Report("BitmapToBmpFile", runs, [&] { bmpSize = kv::BitmapToBmpFile(bitmap).size(); });
    Report("player, JPEG file (capture+encode+write)", runs, [&] {
        kv::pScreenCapture(screen, folder + "|JPEG");
        RemoveCaptures(folder);
    });
    Report("player, BMP file (capture+write)", runs, [&] {
        kv::pScreenCapture(screen, folder + "|Bitmap");
        RemoveCaptures(folder);
    });
    std::printf("file sizes: JPEG %zu kB, BMP %zu kB\n", jpegSize / 1024, bmpSize / 1024);

    RemoveCaptures(folder);
    RemoveDirectoryA(folder.c_str());
    return 0;
}
