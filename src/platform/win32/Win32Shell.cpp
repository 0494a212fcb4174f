#include "platform/win32/Win32Shell.h"

#include <windows.h>
#include <shellapi.h>

#include "platform/win32/MessageIconStyle.h"

namespace kv {

void Win32Shell::ShellOpen(WindowHandle owner, const std::string& verb, const std::string& file) {
    // Empty texts, not null pointers, as parameters and directory.
    ShellExecuteA(reinterpret_cast<HWND>(owner), verb.c_str(), file.c_str(), "", "", SW_SHOWNORMAL);
}

void Win32Shell::ShowMessage(const std::string& text, const std::string& caption, MessageIcon icon) {
    MessageBoxA(GetActiveWindow(), text.c_str(), caption.c_str(), MB_OK | MessageIconStyle(icon));
}

}  // namespace kv
