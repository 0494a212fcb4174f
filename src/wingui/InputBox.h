#pragma once
// The one-line input box: a caption, a prompt, an edit box with a default
// text, and the buttons OK and Cancel. Enter confirms, Esc cancels.
#include <windows.h>

#include <string>

#include "wingui/Controls.h"
#include "wingui/ModalForm.h"

namespace kv {

class InputBoxWindow : public ModalForm {
public:
    InputBoxWindow(HWND owner, const std::string& caption, const std::string& prompt, const std::string& defaultText);

    // Shows it modally; the text typed when the user confirms, the default
    // text when the user cancels or closes it.
    std::string Execute();

    enum Control : int { idValue = 100 };

    LabelControl promptLabel;
    EditControl valueEdit;
    ButtonControl okButton;
    ButtonControl cancelButton;

protected:
    void OnCommand(int id, int code, HWND control) override;

private:
    std::string defaultText_;
    std::string result_;
};

}  // namespace kv
