#include "platform/win32/Win32System.h"

#include <windows.h>
#include <shellapi.h>

#include <vector>

namespace kv {

namespace {

// Closes a kernel handle when it goes.
class KernelHandle {
public:
    KernelHandle() = default;
    ~KernelHandle() {
        if (h_) CloseHandle(h_);
    }
    KernelHandle(const KernelHandle&) = delete;
    KernelHandle& operator=(const KernelHandle&) = delete;
    HANDLE* Receive() { return &h_; }
    void Reset(HANDLE h) {
        if (h_) CloseHandle(h_);
        h_ = h;
    }
    HANDLE Get() const { return h_; }

private:
    HANDLE h_ = nullptr;
};

// The system's text for an error code, without its line end and full stop
// (the error box adds one).
std::string SystemErrorText(DWORD code) {
    char* buffer = nullptr;
    const DWORD length =
        FormatMessageA(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                       nullptr, code, 0, reinterpret_cast<char*>(&buffer), 0, nullptr);
    std::string text = length && buffer ? std::string(buffer, length) : "System error " + std::to_string(code);
    if (buffer) LocalFree(buffer);
    while (!text.empty() && (text.back() == '\r' || text.back() == '\n' || text.back() == ' ' || text.back() == '.')) {
        text.pop_back();
    }
    return text;
}

// The error of the call that just failed; never 0, which reads as success.
std::string LastErrorText() {
    const DWORD code = GetLastError();
    return SystemErrorText(code != 0 ? code : ERROR_GEN_FAILURE);
}

bool IntegrityLevelOfToken(HANDLE token, unsigned long& level) {
    DWORD size = 0;
    GetTokenInformation(token, TokenIntegrityLevel, nullptr, 0, &size);
    if (size == 0) return false;
    std::vector<unsigned char> buffer(size);
    if (!GetTokenInformation(token, TokenIntegrityLevel, buffer.data(), size, &size)) return false;
    const PSID sid = reinterpret_cast<TOKEN_MANDATORY_LABEL*>(buffer.data())->Label.Sid;
    if (!IsValidSid(sid) || *GetSidSubAuthorityCount(sid) == 0) return false;
    level = *GetSidSubAuthority(sid, DWORD(*GetSidSubAuthorityCount(sid) - 1));
    return true;
}

}  // namespace

bool EnableShutdownPrivilege(std::string& error) {
    KernelHandle token;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY, token.Receive())) {
        error = LastErrorText();
        return false;
    }
    TOKEN_PRIVILEGES privileges = {};
    privileges.PrivilegeCount = 1;
    privileges.Privileges[0].Attributes = SE_PRIVILEGE_ENABLED;
    if (!LookupPrivilegeValueA(nullptr, SE_SHUTDOWN_NAME, &privileges.Privileges[0].Luid)) {
        error = LastErrorText();
        return false;
    }
    // Succeeds also when the token lacks the privilege; the error code then
    // says ERROR_NOT_ALL_ASSIGNED.
    SetLastError(ERROR_SUCCESS);
    if (!AdjustTokenPrivileges(token.Get(), FALSE, &privileges, 0, nullptr, nullptr) ||
        GetLastError() != ERROR_SUCCESS) {
        error = LastErrorText();
        return false;
    }
    return true;
}

bool ProcessIntegrityLevel(unsigned long processId, unsigned long& level) {
    KernelHandle process;
    process.Reset(OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, processId));
    if (!process.Get()) return false;
    KernelHandle token;
    if (!OpenProcessToken(process.Get(), TOKEN_QUERY, token.Receive())) return false;
    return IntegrityLevelOfToken(token.Get(), level);
}

void Win32System::SetTrayIcon(WindowHandle window, unsigned id, const std::string& title) {
    trayWindow_ = window;
    trayId_ = id;
    title_ = title;
}

bool Win32System::ClearClipboard(std::string& error) {
    // Another program may hold the clipboard for a moment.
    constexpr int kAttempts = 10;
    constexpr DWORD kPauseMs = 20;
    BOOL opened = FALSE;
    for (int attempt = 0; attempt < kAttempts && !(opened = OpenClipboard(nullptr)); ++attempt) Sleep(kPauseMs);
    if (!opened) {
        error = LastErrorText();
        return false;
    }
    const BOOL emptied = EmptyClipboard();
    if (!emptied) error = LastErrorText();
    CloseClipboard();
    return emptied != FALSE;
}

bool Win32System::EndSession(SessionEnd how, std::string& error) {
    if (!EnableShutdownPrivilege(error)) return false;
    const UINT flags = how == SessionEnd::Restart ? EWX_REBOOT : EWX_SHUTDOWN | EWX_POWEROFF;
    const DWORD reason = SHTDN_REASON_MAJOR_OTHER | SHTDN_REASON_MINOR_OTHER | SHTDN_REASON_FLAG_PLANNED;
    if (!ExitWindowsEx(flags, reason)) {
        error = LastErrorText();
        return false;
    }
    return true;
}

bool Win32System::AskYesNo(const std::string& text, const std::string& caption) {
    return MessageBoxA(GetActiveWindow(), text.c_str(), caption.c_str(), MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2) ==
           IDYES;
}

bool Win32System::ForegroundIsElevated(std::string& title) {
    const HWND foreground = GetForegroundWindow();
    if (!foreground) return false;
    DWORD process = 0;
    GetWindowThreadProcessId(foreground, &process);
    unsigned long theirs = 0, ours = 0;
    if (process == 0 || !ProcessIntegrityLevel(process, theirs) ||
        !ProcessIntegrityLevel(GetCurrentProcessId(), ours) || theirs <= ours) {
        return false;
    }
    char text[256] = {};
    GetWindowTextA(foreground, text, int(sizeof text));
    title = text;
    return true;
}

void Win32System::ShowTrayBalloon(const std::string& text) {
    if (!trayWindow_) return;
    // The balloon fields come with the record's second version; the icon
    // itself was added with the first.
    NOTIFYICONDATAA data = {};
    data.cbSize = NOTIFYICONDATAA_V2_SIZE;
    data.hWnd = reinterpret_cast<HWND>(trayWindow_);
    data.uID = trayId_;
    data.uFlags = NIF_INFO;
    data.dwInfoFlags = NIIF_WARNING;
    lstrcpynA(data.szInfo, text.c_str(), int(sizeof data.szInfo));
    lstrcpynA(data.szInfoTitle, title_.c_str(), int(sizeof data.szInfoTitle));
    Shell_NotifyIconA(NIM_MODIFY, &data);
}

}  // namespace kv
