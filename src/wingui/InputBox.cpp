#include "wingui/InputBox.h"

namespace kv {

namespace {
const char* const kInputBoxClass = "TInputBox";
const int kClientWidth = 300;
const int kClientHeight = 96;
}  // namespace

TInputBox::TInputBox(HWND owner, const std::string& caption, const std::string& prompt,
                     const std::string& defaultText)
    : owner_(owner), defaultText_(defaultText), result_(defaultText) {
    RegisterWindowClass(kInputBoxClass, LoadCursor(nullptr, IDC_ARROW), GetSysColorBrush(COLOR_BTNFACE));
    const int dpi = ScreenDpi();
    font_ = MakeFont("Tahoma", 8, dpi);
    CreateModalForm(kInputBoxClass, caption.c_str(), kClientWidth, kClientHeight, dpi, owner);

    const ControlSite site{Handle(), font_.Get(), dpi};
    lbPrompt.Create(site, prompt.c_str(), 8, 10, 284, 14);
    txValue.Create(site, 100, 8, 28, 284, 21);
    txValue.SetText(defaultText);
    btOK.Create(site, IDOK, "OK", 136, 62, 75, 25, true);
    btCancel.Create(site, IDCANCEL, "Cancel", 217, 62, 75, 25);
}

std::string TInputBox::Execute() {
    done_ = false;
    SetFocus(txValue.Handle());
    SendMessageA(txValue.Handle(), EM_SETSEL, 0, -1);
    RunModalInOwnLoop(Handle(), owner_, done_);
    return result_;
}

LRESULT TInputBox::WndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
        case WM_COMMAND:
            if (LOWORD(wParam) == IDOK) {
                result_ = txValue.Text();
                done_ = true;
            } else if (LOWORD(wParam) == IDCANCEL) {
                result_ = defaultText_;
                done_ = true;
            }
            return 0;
        case WM_CLOSE:
            result_ = defaultText_;
            done_ = true;
            return 0;
    }
    return Window::WndProc(msg, wParam, lParam);
}

}  // namespace kv
