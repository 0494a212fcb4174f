#include "forms/SpecialKeyForm.h"

#include "forms/EditorForm.h"
#include "uilogic/EditorChecks.h"
#include "wingui/Prompts.h"

namespace kv {

namespace {
const char* const kPickerClass = "TfrmAddKey";
const int kClientWidth = 270;
const int kClientHeight = 259;
const int kColumns = 5;
const int kGridLeft = 5;
const int kGridTop = 54;
const int kButtonWidth = 52;
const int kButtonHeight = 22;
const int kButtonGap = 0;
}  // namespace

TfrmAddKey::TfrmAddKey(TfrmAdd& frmAdd) : frmAdd_(frmAdd) {
    RegisterWindowClass(kPickerClass, LoadCursor(nullptr, IDC_ARROW), GetSysColorBrush(COLOR_BTNFACE));
    const int dpi = ScreenDpi();
    font_ = MakeFont("Tahoma", 8, dpi);
    CreateModalForm(kPickerClass, "Add Key", kClientWidth, kClientHeight, dpi, frmAdd.Handle());

    const ControlSite site{Handle(), font_.Get(), dpi};
    Label1.Create(site, "Key(s):", 8, 10, 60, 14);
    txKey.Create(site, idtxKey, 8, 26, 254, 21);
    for (int i = 0; i < kPickerKeyCount; ++i) {
        const int left = kGridLeft + (i % kColumns) * (kButtonWidth + kButtonGap);
        const int top = kGridTop + (i / kColumns) * (kButtonHeight + kButtonGap);
        SpeedButtons[i].Create(site, idSpeedButton1 + i, kPickerKeys[i].caption, left, top, kButtonWidth,
                               kButtonHeight);
    }
    BitBtn1.Create(site, idBitBtn1, "Add to List", 162, 226, 100, 25, true);
}

void TfrmAddKey::ShowModal() {
    closed_ = false;
    SetFocus(txKey.Handle());
    RunModalInOwnLoop(Handle(), frmAdd_.Handle(), closed_);
}

void TfrmAddKey::SpeedButtonClick(int index) {
    txKey.SetText(AppendPickerToken(txKey.Text(), index));
    // The caret goes to the end, where the token went.
    const int end = GetWindowTextLengthA(txKey.Handle());
    SendMessageA(txKey.Handle(), EM_SETSEL, WPARAM(end), LPARAM(end));
}

void TfrmAddKey::BitBtn1Click() {
    const std::string entry = txKey.Text();
    if (entry.empty()) return;
    const std::string refusal = CheckListEntry(entry);
    if (!refusal.empty()) {
        frmAdd_.Host().prompts.Message(Handle(), refusal, frmAdd_.Host().title, MessageIcon::Warning);
        return;
    }
    frmAdd_.AddKeyEntry(entry);
    closed_ = true;
}

LRESULT TfrmAddKey::WndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
        case WM_COMMAND: {
            const int id = LOWORD(wParam);
            if (HIWORD(wParam) != BN_CLICKED) return 0;
            if (id == idBitBtn1 || id == IDOK) {
                BitBtn1Click();
            } else if (id == IDCANCEL) {
                closed_ = true;  // Esc adds nothing
            } else if (id >= idSpeedButton1 && id < idSpeedButton1 + kPickerKeyCount) {
                SpeedButtonClick(id - idSpeedButton1);
            }
            return 0;
        }
        case WM_CLOSE:
            closed_ = true;  // the close box adds nothing
            return 0;
    }
    return Window::WndProc(msg, wParam, lParam);
}

}  // namespace kv
