#include "wingui/WindowHelpers.h"

#include <vector>

namespace kv {

std::string ExePath() {
    std::vector<char> buffer(MAX_PATH);
    for (;;) {
        const DWORD n = GetModuleFileNameA(nullptr, buffer.data(), DWORD(buffer.size()));
        if (n == 0) return std::string();
        if (n < buffer.size()) return std::string(buffer.data(), n);
        buffer.resize(buffer.size() * 2);  // the path was cut: try a larger buffer
    }
}

std::string ExeDir() {
    const std::string path = ExePath();
    const size_t slash = path.find_last_of("\\/");
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

int ScreenDpi() {
    WindowDC screen(nullptr);
    const int dpi = GetDeviceCaps(screen.Get(), LOGPIXELSY);
    return dpi > 0 ? dpi : 96;
}

OwnedFont MakeFont(const char* face, int points, int dpi, bool bold) {
    LOGFONTA lf = {};
    lf.lfHeight = -MulDiv(points, dpi, 72);
    lf.lfWeight = bold ? FW_BOLD : FW_NORMAL;
    lf.lfCharSet = DEFAULT_CHARSET;
    lf.lfQuality = DEFAULT_QUALITY;
    lstrcpynA(lf.lfFaceName, face, LF_FACESIZE);
    return OwnedFont(CreateFontIndirectA(&lf));
}

void CenterOnScreen(HWND hwnd, int width, int height) {
    RECT work = {};
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    const int x = work.left + (work.right - work.left - width) / 2;
    const int y = work.top + (work.bottom - work.top - height) / 2;
    SetWindowPos(hwnd, nullptr, x, y, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

bool BringWindowToFront(HWND hwnd) {
    const LPARAM self = reinterpret_cast<LPARAM>(hwnd);
    SendMessageA(hwnd, WM_SYSCOMMAND, SC_HOTKEY, self);
    SendMessageA(hwnd, WM_SYSCOMMAND, SC_RESTORE, self);
    return SetForegroundWindow(hwnd) != FALSE;
}

}  // namespace kv
