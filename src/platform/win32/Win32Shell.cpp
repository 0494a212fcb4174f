#include "platform/win32/Win32Shell.h"

namespace kv {

namespace {

UINT IconStyle(MessageIcon icon) {
    switch (icon) {
        case MessageIcon::Information: return MB_ICONINFORMATION;
        case MessageIcon::Warning: return MB_ICONWARNING;
        case MessageIcon::Error: return MB_ICONERROR;
        case MessageIcon::Question: return MB_ICONQUESTION;
        case MessageIcon::None: break;
    }
    return 0;
}

}  // namespace

void Win32Shell::ShellExecute(WindowHandle owner, const std::string& verb, const std::string& file) {
    // Empty texts, not null pointers, as parameters and directory.
    ShellExecuteA(reinterpret_cast<HWND>(owner), verb.c_str(), file.c_str(), "", "", SW_SHOWNORMAL);
}

void Win32Shell::MessageBox(const std::string& text, const std::string& caption, MessageIcon icon) {
    MessageBoxA(GetActiveWindow(), text.c_str(), caption.c_str(), MB_OK | IconStyle(icon));
}

}  // namespace kv
