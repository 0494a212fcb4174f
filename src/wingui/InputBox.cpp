#include "wingui/InputBox.h"

namespace kv {

InputBoxWindow::InputBoxWindow(HWND owner, const std::string& caption, const std::string& prompt,
                               const std::string& defaultText)
    : ModalForm(ModalFormArgs{"TInputBox", caption.c_str(), 300, 96, owner}),
      defaultText_(defaultText),
      result_(defaultText) {
    const ControlSite site = Site();
    // The prompt is the caller's text: an "&" in it is shown as it is.
    promptLabel.Create(site, prompt.c_str(), 8, 10, 284, 14, SS_NOPREFIX);
    valueEdit.Create(site, idValue, 8, 28, 284, 21);
    valueEdit.SetText(defaultText);
    okButton.Create(site, IDOK, "OK", 136, 62, 75, 25, true);
    cancelButton.Create(site, IDCANCEL, "Cancel", 217, 62, 75, 25);
    SetDefaultButton(IDOK);
    SetFirstFocus(valueEdit.Handle());
}

std::string InputBoxWindow::Execute() {
    SendMessageA(valueEdit.Handle(), EM_SETSEL, 0, -1);
    ShowModal();
    return result_;
}

void InputBoxWindow::OnCommand(int id, int code, HWND) {
    // Cancel, Esc and the close box leave the default text (OnCloseRequest).
    if (id == IDOK && code == BN_CLICKED) {
        result_ = valueEdit.Text();
        Close();
    }
}

}  // namespace kv
