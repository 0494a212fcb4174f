#include "wingui/TrayIcon.h"

#include <cstddef>

#include "uilogic/AppTitle.h"

namespace kv {

// The first version of the record: 88 bytes in a 32-bit program, more in a
// 64-bit one (wider handles), whatever size the newer versions have.
static_assert(NOTIFYICONDATAA_V1_SIZE == offsetof(NOTIFYICONDATAA, szTip) + 64, "first version ends after szTip");
static_assert(sizeof(void*) != 4 || NOTIFYICONDATAA_V1_SIZE == 88, "88 bytes in a 32-bit program");

void TrayIcon::Fill(HWND window, HICON icon, const std::string& title) {
    data_ = {};
    data_.cbSize = NOTIFYICONDATAA_V1_SIZE;
    data_.hWnd = window;
    data_.uID = 0;
    data_.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    data_.uCallbackMessage = kTrayCallbackMessage;
    data_.hIcon = icon;
    lstrcpynA(data_.szTip, TrayTip(title).c_str(), int(kTrayTipMaxLength + 1));
}

bool TrayIcon::Add() { return Shell_NotifyIconA(NIM_ADD, &data_) != FALSE; }

bool TrayIcon::Delete() { return Shell_NotifyIconA(NIM_DELETE, &data_) != FALSE; }

bool TrayIcon::SetTip(const std::string& tip) {
    lstrcpynA(data_.szTip, TrayTip(tip).c_str(), int(kTrayTipMaxLength + 1));
    return Shell_NotifyIconA(NIM_MODIFY, &data_) != FALSE;
}

UINT TrayIcon::TaskbarCreatedMessage() {
    static const UINT message = RegisterWindowMessageA("TaskbarCreated");
    return message;
}

}  // namespace kv
