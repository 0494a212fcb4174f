#include "forms/SettingsForm.h"

#include "wingui/Win.h"

namespace kv {

namespace {
const char* const kSettingsClass = "TfrmSettings";
}

TfrmSettings::TfrmSettings(HWND owner, HFONT font) : owner_(owner) {
    RegisterWindowClass(kSettingsClass, LoadCursor(nullptr, IDC_ARROW), GetSysColorBrush(COLOR_BTNFACE));
    const int dpi = ScreenDpi();
    const int width = Scale(434, dpi);
    const int height = Scale(320, dpi);
    Create(WS_EX_CONTROLPARENT | WS_EX_DLGMODALFRAME, kSettingsClass, "Settings",
           WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN, 0, 0, width, height, owner);
    SendMessageA(Handle(), WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    CenterOnScreen(Handle(), width, height);
}

void TfrmSettings::ShowModal(Win32MessageLoop& loop) {
    closed_ = false;
    RunModal(loop, Handle(), owner_, closed_);
}

LRESULT TfrmSettings::WndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
        case WM_CLOSE:
            closed_ = true;  // hidden by the modal loop; the window goes with the object
            return 0;
        case WM_COMMAND:
            if (LOWORD(wParam) == IDCANCEL) closed_ = true;  // Esc
            return 0;
    }
    return Window::WndProc(msg, wParam, lParam);
}

}  // namespace kv
