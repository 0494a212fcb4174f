#pragma once
// The open and save dialogs: those of the macro lists and those the editor
// asks for through its prompts.
#include <windows.h>

#include <string>

namespace kv {

struct FileDialogOptions {
    bool save = false;
    std::string filter;            // "caption|pattern|..."
    std::string defaultExtension;  // without the dot; appended to a name typed without one
    std::string fileName;          // offered at first ("" for none)
};

// Shows the open or save dialog; false when the user cancels, else path is
// the chosen file's full path.
bool ShowFileDialog(HWND owner, const FileDialogOptions& options, std::string& path);

class FileDialog {
public:
    enum class Kind { Open, Save };

    // filter as "caption|pattern|...", defaultExtension without the dot.
    FileDialog(Kind kind, std::string filter, std::string defaultExtension);

    // Shows the dialog; false when the user cancels. path is the chosen file.
    bool Execute(HWND owner, std::string& path) { return ShowFileDialog(owner, options_, path); }

private:
    FileDialogOptions options_;
};

}  // namespace kv
