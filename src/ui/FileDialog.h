#pragma once
// The open and save dialogs of the macro lists.
#include <windows.h>

#include <string>

namespace kv {

class FileDialog {
public:
    enum class Kind { Open, Save };

    // filter as "caption|pattern|...", defaultExtension without the dot.
    FileDialog(Kind kind, std::string filter, std::string defaultExtension);

    // Shows the dialog; false when the user cancels. path is the chosen file.
    bool Execute(HWND owner, std::string& path);

private:
    Kind kind_;
    std::string filter_;
    std::string defaultExtension_;
};

}  // namespace kv
