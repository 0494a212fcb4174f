#include "wingui/FileDialog.h"

#include <commdlg.h>

#include <utility>
#include <vector>

#include "uilogic/DialogFilter.h"
#include "wingui/SystemLibrary.h"

namespace kv {

bool ShowFileDialog(HWND owner, const FileDialogOptions& options, std::string& path) {
    const std::string filter = DialogFilter(options.filter);
    std::vector<char> file(32768, '\0');
    options.fileName.copy(file.data(), file.size() - 1);
    OPENFILENAMEA ofn = {};
    ofn.lStructSize = sizeof(ofn);
    ofn.hwndOwner = owner;
    ofn.lpstrFilter = filter.c_str();
    ofn.nFilterIndex = 1;
    ofn.lpstrFile = file.data();
    ofn.nMaxFile = DWORD(file.size());
    ofn.lpstrDefExt = options.defaultExtension.empty() ? nullptr : options.defaultExtension.c_str();
    // The current directory stays where it is: macros that start programs by
    // relative paths keep finding them.
    ofn.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | OFN_ENABLESIZING | OFN_NOCHANGEDIR;
    const SystemLibrary comdlg32("comdlg32.dll");
    auto* show = options.save ? comdlg32.Function<decltype(GetSaveFileNameA)>("GetSaveFileNameA")
                              : comdlg32.Function<decltype(GetOpenFileNameA)>("GetOpenFileNameA");
    if (!show || !show(&ofn)) return false;
    path = file.data();
    return true;
}

FileDialog::FileDialog(Kind kind, std::string filter, std::string defaultExtension)
    : options_{kind == Kind::Save, std::move(filter), std::move(defaultExtension), ""} {}

}  // namespace kv
