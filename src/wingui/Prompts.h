#pragma once
// Every modal question the editor, the special-key picker and the web
// commands put to the user: message boxes, the Yes/No question, the one-line
// input box, the file dialogs and the directory chooser. The forms are handed
// one UiPrompts, so that a test can hand in its own answers instead of
// windows that would wait for a click.
#include <windows.h>

#include <string>

#include "platform/ShellApi.h"
#include "wingui/FileDialog.h"

namespace kv {

class UiPrompts {
public:
    virtual ~UiPrompts() = default;

    // A message box with an OK button.
    virtual void Message(HWND owner, const std::string& text, const std::string& caption, MessageIcon icon) = 0;
    // A question with the buttons Yes and No; true for Yes. defaultNo: No is
    // the button that Enter presses.
    virtual bool Confirm(HWND owner, const std::string& text, const std::string& caption, bool defaultNo = false) = 0;
    // A one-line input box; the default text when the user cancels.
    virtual std::string InputBox(HWND owner, const std::string& caption, const std::string& prompt,
                                 const std::string& defaultText) = 0;
    // An open or save dialog; false when the user cancels, else path is the
    // chosen file's full path.
    virtual bool ChooseFile(HWND owner, const FileDialogOptions& options, std::string& path) = 0;
    // The directory chooser titled title, rooted at root; false when the
    // user cancels, else path is the chosen directory as the chooser gives it.
    virtual bool ChooseDirectory(HWND owner, const std::string& title, const std::string& root, std::string& path) = 0;
};

// The windows of the platform.
class Win32Prompts : public UiPrompts {
public:
    void Message(HWND owner, const std::string& text, const std::string& caption, MessageIcon icon) override;
    bool Confirm(HWND owner, const std::string& text, const std::string& caption, bool defaultNo = false) override;
    std::string InputBox(HWND owner, const std::string& caption, const std::string& prompt,
                         const std::string& defaultText) override;
    bool ChooseFile(HWND owner, const FileDialogOptions& options, std::string& path) override;
    bool ChooseDirectory(HWND owner, const std::string& title, const std::string& root, std::string& path) override;
};

}  // namespace kv
