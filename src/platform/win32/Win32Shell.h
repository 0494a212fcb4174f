#pragma once
// The shell and the program's plain message boxes.
#include "platform/ShellApi.h"

namespace kv {

class Win32Shell : public ShellApi {
public:
    // ShellExecuteA(owner, verb, file, "", "", SW_SHOWNORMAL).
    void ShellOpen(WindowHandle owner, const std::string& verb, const std::string& file) override;
    // MessageBoxA with MB_OK and the icon, over the thread's active window.
    void ShowMessage(const std::string& text, const std::string& caption, MessageIcon icon) override;
};

}  // namespace kv
