#pragma once
// The one-line input box: a caption, a prompt, an edit box with a default
// text, and the buttons OK and Cancel.
#include <windows.h>

#include <string>

#include "wingui/Controls.h"
#include "wingui/Win.h"
#include "wingui/Window.h"

namespace kv {

class TInputBox : public Window {
public:
    TInputBox(HWND owner, const std::string& caption, const std::string& prompt, const std::string& defaultText);

    // Shows it modally; the text typed when the user confirms, the default
    // text when the user cancels or closes it.
    std::string Execute();

    TLabel lbPrompt;
    TEdit txValue;
    TButton btOK;
    TButton btCancel;

protected:
    LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    HWND owner_;
    std::string defaultText_;
    std::string result_;
    OwnedFont font_;
    bool done_ = false;
};

}  // namespace kv
