#pragma once
// Shared by the benchmarks that measure the real keyvane.exe from outside:
// a fresh folder with a copy of the program and a list file, starting and
// ending the program, shortcut presses and the clock.
#include <windows.h>
#include <shellapi.h>

#include <algorithm>
#include <atomic>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "BenchProcess.h"
#include "forms/MainForm.h"

namespace kvbench {

// The File menu's Exit command of the main window.
constexpr UINT kExitCommand = kv::MainForm::cmExit;

inline double NowMs() {
    static LARGE_INTEGER frequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return f;
    }();
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return double(now.QuadPart) * 1000.0 / double(frequency.QuadPart);
}

inline bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs = 20000, DWORD stepMs = 1) {
    const DWORD start = GetTickCount();
    for (;;) {
        if (condition()) return true;
        if (GetTickCount() - start >= timeoutMs) return false;
        Sleep(stepMs);
    }
}

inline std::string ReadFileText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

inline void WriteFileText(const std::string& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

inline std::string ListLine(std::uint32_t hotKey, const std::string& kind, const std::string& data,
                            const std::string& description) {
    return "0;-1;" + kind + ";" + std::to_string(hotKey) + ";" + data + ";" + description + "@\r\n";
}

// count different shortcuts: every non-empty set of Ctrl, Shift, Alt and Win
// with digits, letters, F1..F24 and the number pad.
inline std::vector<std::uint32_t> ManyShortcuts(int count) {
    std::vector<unsigned> keys;
    for (unsigned k = 0x30; k <= 0x39; ++k) keys.push_back(k);
    for (unsigned k = 0x41; k <= 0x5A; ++k) keys.push_back(k);
    for (unsigned k = 0x60; k <= 0x69; ++k) keys.push_back(k);
    for (unsigned k = 0x70; k <= 0x87; ++k) keys.push_back(k);
    std::vector<std::uint32_t> shortcuts;
    for (unsigned mods = 1; mods < 16 && int(shortcuts.size()) < count; ++mods) {
        const std::uint32_t packed =
            (mods & 1 ? 0x2000 : 0) | (mods & 2 ? 0x4000 : 0) | (mods & 4 ? 0x8000 : 0) | (mods & 8 ? 0x10000 : 0);
        for (unsigned key : keys) {
            if (int(shortcuts.size()) == count) break;
            shortcuts.push_back(packed | key);
        }
    }
    return shortcuts;
}

inline INPUT KeyInput(WORD vk, bool up) {
    INPUT input = {};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = vk;
    input.ki.wScan = WORD(MapVirtualKeyA(vk, 0));
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    return input;
}

inline void PressShortcut(std::uint32_t hotKey) {
    std::vector<WORD> modifiers;
    if (hotKey & 0x4000) modifiers.push_back(VK_CONTROL);
    if (hotKey & 0x2000) modifiers.push_back(VK_SHIFT);
    if (hotKey & 0x8000) modifiers.push_back(VK_MENU);
    if (hotKey & 0x10000) modifiers.push_back(VK_LWIN);
    std::vector<INPUT> inputs;
    for (WORD m : modifiers) inputs.push_back(KeyInput(m, false));
    inputs.push_back(KeyInput(WORD(hotKey & 0xFF), false));
    inputs.push_back(KeyInput(WORD(hotKey & 0xFF), true));
    for (auto it = modifiers.rbegin(); it != modifiers.rend(); ++it) inputs.push_back(KeyInput(*it, true));
    SendInput(UINT(inputs.size()), inputs.data(), sizeof(INPUT));
}

// The key presses that programs inject (a macro, the anchors; not the
// keyboard's own), seen by a low-level keyboard hook on a thread of its own:
// how many since Reset, when the last one came, and when the first of one
// chosen key came. One at a time.
class KeyPressLog {
public:
    explicit KeyPressLog(WORD chosenKey = 0) {
        chosenKey_ = chosenKey;
        Reset();
        HANDLE ready = CreateEventA(nullptr, TRUE, FALSE, nullptr);
        thread_ = CreateThread(nullptr, 0, HookThread, ready, 0, &threadId_);
        WaitForSingleObject(ready, 5000);
        CloseHandle(ready);
    }
    ~KeyPressLog() {
        PostThreadMessageA(threadId_, WM_QUIT, 0, 0);
        WaitForSingleObject(thread_, 2000);
        CloseHandle(thread_);
    }
    KeyPressLog(const KeyPressLog&) = delete;
    KeyPressLog& operator=(const KeyPressLog&) = delete;

    void Reset() {
        presses_ = 0;
        lastAt_ = -1;
        chosenAt_ = -1;
    }
    int Presses() const { return presses_; }
    double LastAt() const { return lastAt_; }
    double ChosenKeyAt() const { return chosenAt_; }

private:
    static LRESULT CALLBACK Hook(int code, WPARAM wParam, LPARAM lParam) {
        const auto* key = reinterpret_cast<const KBDLLHOOKSTRUCT*>(lParam);
        if (code == HC_ACTION && (wParam == WM_KEYDOWN || wParam == WM_SYSKEYDOWN) && (key->flags & LLKHF_INJECTED)) {
            const double now = NowMs();
            ++presses_;
            lastAt_ = now;
            if (key->vkCode == chosenKey_ && chosenAt_.load() < 0) chosenAt_ = now;
        }
        return CallNextHookEx(nullptr, code, wParam, lParam);
    }
    // The hook is called while this thread waits for messages.
    static DWORD WINAPI HookThread(LPVOID ready) {
        HHOOK hook = SetWindowsHookExA(WH_KEYBOARD_LL, Hook, GetModuleHandleA(nullptr), 0);
        SetEvent(static_cast<HANDLE>(ready));
        MSG msg;
        while (GetMessageA(&msg, nullptr, 0, 0) > 0) DispatchMessageA(&msg);
        if (hook) UnhookWindowsHookEx(hook);
        return 0;
    }

    static inline std::atomic<int> presses_{0};
    static inline std::atomic<double> lastAt_{-1}, chosenAt_{-1};
    static inline DWORD chosenKey_ = 0;
    HANDLE thread_ = nullptr;
    DWORD threadId_ = 0;
};

inline bool TrayIconPresent(HWND window) {
    NOTIFYICONDATAA probe = {};
    probe.cbSize = NOTIFYICONDATAA_V1_SIZE;
    probe.hWnd = window;
    return Shell_NotifyIconA(NIM_MODIFY, &probe) != FALSE;
}

// A fresh folder with a copy of keyvane.exe; removed at the end.
class Folder {
public:
    explicit Folder(const std::string& keyvane) {
        char temp[MAX_PATH] = {};
        GetTempPathA(MAX_PATH, temp);
        path_ = std::string(temp) + "kv-bench-" + std::to_string(GetCurrentProcessId());
        CreateDirectoryA(path_.c_str(), nullptr);
        CopyFileA(keyvane.c_str(), Keyvane().c_str(), FALSE);
    }
    ~Folder() {
        for (const char* name : {"keyvane.exe", "macrolist.lis", "macrolist.lis.bak", "mark.txt"}) {
            DeleteFileA(File(name).c_str());
        }
        RemoveDirectoryA(path_.c_str());
    }
    std::string File(const std::string& name) const { return path_ + "\\" + name; }
    std::string Keyvane() const { return File("keyvane.exe"); }
    std::string ListFile() const { return File("macrolist.lis"); }
    const std::string& Path() const { return path_; }

private:
    std::string path_;
};

// A running keyvane.exe.
class Keyvane {
public:
    ~Keyvane() { Stop(); }

    // Starts the program and waits until its main window exists and its tray
    // icon is there: the list is loaded and its file rewritten. The time
    // from the start of the process to then, in milliseconds; < 0 on failure.
    double StartAndWaitReady(const Folder& folder) {
        STARTUPINFOA si = {};
        si.cb = sizeof(si);
        std::string commandLine = "\"" + folder.Keyvane() + "\"";
        const double start = NowMs();
        if (!CreateProcessA(folder.Keyvane().c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr,
                            folder.Path().c_str(), &si, &pi_)) {
            return -1;
        }
        const bool ready = WaitUntil([&] {
            const HWND found = FindWindowA("TfrmKeyvaneMain", nullptr);
            DWORD pid = 0;
            GetWindowThreadProcessId(found, &pid);
            if (!found || pid != pi_.dwProcessId) return false;
            main_ = found;
            return TrayIconPresent(found);
        });
        return ready ? NowMs() - start : -1;
    }

    HANDLE Process() const { return pi_.hProcess; }
    HWND MainWindow() const { return main_; }

    // Processor time (user and kernel) of the process so far, in ms.
    double CpuMs() const {
        FILETIME created, exited, kernel, user;
        GetProcessTimes(pi_.hProcess, &created, &exited, &kernel, &user);
        auto ms = [](const FILETIME& t) {
            return double((std::uint64_t(t.dwHighDateTime) << 32) | t.dwLowDateTime) / 10000.0;
        };
        return ms(kernel) + ms(user);
    }

    void Stop() {
        if (!pi_.hProcess) return;
        if (main_) PostMessageA(main_, WM_COMMAND, kExitCommand, 0);
        if (WaitForSingleObject(pi_.hProcess, 10000) != WAIT_OBJECT_0) {
            TerminateProcess(pi_.hProcess, 1);
            WaitForSingleObject(pi_.hProcess, 5000);
        }
        CloseHandle(pi_.hThread);
        CloseHandle(pi_.hProcess);
        pi_ = {};
        main_ = nullptr;
    }

private:
    PROCESS_INFORMATION pi_ = {};
    HWND main_ = nullptr;
};

struct Stats {
    double min = 0, median = 0, max = 0;
};

inline Stats Summarise(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    if (values.empty()) return {};
    return {values.front(), values[values.size() / 2], values.back()};
}

// One row of the summary table that scripts/bench prints at the end:
// "summary: figure; keyvane; anchor; comparison; goal".
inline void SummaryRow(const char* figure, const std::string& keyvane, const std::string& anchor,
                       const std::string& comparison, const char* goal) {
    std::printf("summary: %s; %s; %s; %s; %s\n", figure, keyvane.c_str(), anchor.c_str(), comparison.c_str(), goal);
}

inline std::string Format(const char* format, double value) {
    char text[64];
    std::snprintf(text, sizeof text, format, value);
    return text;
}

// "1.23x" for a ratio of two medians.
inline std::string Ratio(double value, double anchor) {
    return anchor > 0 ? Format("%.2fx", value / anchor) : std::string("n/a");
}

inline bool KeyvaneArgument(int argc, char** argv, const char* usage, std::string& keyvane) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s\n", usage);
        return false;
    }
    keyvane = argv[1];
    return true;
}

}  // namespace kvbench
