#pragma once
// The shell and the program's plain message boxes.
#include <windows.h>
#include <shellapi.h>
// The interface's member names, not the A/W macros of <windows.h>.
#undef ShellExecute
#undef MessageBox

#include "platform/ShellApi.h"

namespace kv {

class Win32Shell : public ShellApi {
public:
    // ShellExecuteA(owner, verb, file, "", "", SW_SHOWNORMAL).
    void ShellExecute(WindowHandle owner, const std::string& verb, const std::string& file) override;
    // MessageBoxA with MB_OK and the icon, over the thread's active window.
    void MessageBox(const std::string& text, const std::string& caption, MessageIcon icon) override;
};

}  // namespace kv
