#include "ui/FileDialog.h"

#include <commdlg.h>

#include <vector>

#include "ui/DialogFilter.h"

namespace kv {

FileDialog::FileDialog(Kind kind, std::string filter, std::string defaultExtension)
    : kind_(kind), filter_(DialogFilter(filter)), defaultExtension_(std::move(defaultExtension)) {}

bool FileDialog::Execute(HWND owner, std::string& path) {
    std::vector<char> file(32768, '\0');
    OPENFILENAMEA ofn = {};
    ofn.lStructSize = sizeof(ofn);
    ofn.hwndOwner = owner;
    ofn.lpstrFilter = filter_.c_str();
    ofn.nFilterIndex = 1;
    ofn.lpstrFile = file.data();
    ofn.nMaxFile = DWORD(file.size());
    ofn.lpstrDefExt = defaultExtension_.c_str();
    // The current directory stays where it is: programs that macros start
    // with relative paths keep finding their files.
    ofn.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | OFN_ENABLESIZING | OFN_NOCHANGEDIR;
    const BOOL chosen = kind_ == Kind::Open ? GetOpenFileNameA(&ofn) : GetSaveFileNameA(&ofn);
    if (!chosen) return false;
    path = file.data();
    return true;
}

}  // namespace kv
