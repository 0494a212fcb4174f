#pragma once
// The program's icon in the notification area.
#include <windows.h>
#include <shellapi.h>

#include <string>

namespace kv {

// Mouse messages on the icon reach the window as this message, the mouse
// message in lParam.
constexpr UINT kTrayCallbackMessage = WM_USER + 1;  // 1025

class TrayIcon {
public:
    // Fills the record in the platform's first version of it (its size is
    // that version's size on this platform: 88 bytes in a 32-bit program):
    // uID 0, message, icon and tip (the title, cut to 63 characters).
    void Fill(HWND window, HICON icon, const std::string& title);

    // Shell_NotifyIconA NIM_ADD / NIM_DELETE with the record.
    bool Add();
    bool Delete();
    // Changes the tip (cut to 63 characters) of the icon shown.
    bool SetTip(const std::string& tip);

    const NOTIFYICONDATAA& Data() const { return data_; }

    // The message the shell broadcasts when it (re)starts: the icons must be
    // added again.
    static UINT TaskbarCreatedMessage();

private:
    NOTIFYICONDATAA data_ = {};
};

}  // namespace kv
