#pragma once
// Child processes of the Windows benchmarks: a program that stands in for
// another one (a bare tray program, a window to type into) is this same
// benchmark started again with an argument.
#include <windows.h>

#include <string>

namespace kvbench {

inline std::string ThisExe() {
    char exe[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, exe, MAX_PATH);
    return exe;
}

// A child process started with a command line, ended at destruction.
class Child {
public:
    explicit Child(std::string commandLine) {
        STARTUPINFOA si = {};
        si.cb = sizeof(si);
        if (!CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi_))
            pi_ = {};
    }
    ~Child() {
        if (!pi_.hProcess) return;
        TerminateProcess(pi_.hProcess, 0);
        WaitForSingleObject(pi_.hProcess, 5000);
        CloseHandle(pi_.hThread);
        CloseHandle(pi_.hProcess);
    }
    Child(const Child&) = delete;
    Child& operator=(const Child&) = delete;
    HANDLE Process() const { return pi_.hProcess; }
    DWORD Id() const { return pi_.dwProcessId; }

private:
    PROCESS_INFORMATION pi_ = {};
};

// A top-level window of a window class of its own, which it registers.
inline HWND CreateClassWindow(const char* windowClass, WNDPROC proc, const char* title, DWORD style, const RECT& at) {
    WNDCLASSA wc = {};
    wc.lpfnWndProc = proc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = windowClass;
    RegisterClassA(&wc);
    return CreateWindowExA(0, windowClass, title, style, at.left, at.top, at.right - at.left, at.bottom - at.top,
                           nullptr, nullptr, wc.hInstance, nullptr);
}

// The top-level window of the class that belongs to the process; null if none.
inline HWND WindowOfProcess(const char* windowClass, DWORD processId) {
    HWND found = nullptr;
    while ((found = FindWindowExA(nullptr, found, windowClass, nullptr)) != nullptr) {
        DWORD pid = 0;
        GetWindowThreadProcessId(found, &pid);
        if (pid == processId) return found;
    }
    return nullptr;
}

}  // namespace kvbench
