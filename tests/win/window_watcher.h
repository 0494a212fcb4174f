#pragma once
// A thread that answers the modal windows of this process as they appear and
// keeps what they showed: message boxes get OK (questions the answer set),
// the open dialog gets a file name and OK, the editor and the settings window
// are closed.
#include <windows.h>

#include <atomic>
#include <mutex>
#include <set>
#include <string>
#include <thread>
#include <vector>

namespace kv {
namespace win_test {

struct SeenWindow {
    std::string className;
    std::string caption;
    std::string text;  // a message box's text
    int width = 0;
    int height = 0;
    bool question = false;  // a box with Yes and No
};

class WindowWatcher {
public:
    // questionAnswer: IDYES or IDNO for the boxes that ask; fileToOpen: the
    // name typed into an open dialog.
    explicit WindowWatcher(int questionAnswer = IDYES, std::string fileToOpen = std::string())
        : answer_(questionAnswer), fileToOpen_(std::move(fileToOpen)), thread_([this] { Run(); }) {}
    ~WindowWatcher() {
        stop_ = true;
        thread_.join();
    }

    std::vector<SeenWindow> Seen() {
        std::lock_guard<std::mutex> lock(mutex_);
        return seen_;
    }
    // The texts of the message boxes seen so far.
    std::vector<std::string> Texts() {
        std::vector<std::string> texts;
        for (const SeenWindow& seen : Seen()) {
            if (seen.className == "#32770") texts.push_back(seen.text);
        }
        return texts;
    }
    void SetAnswer(int answer) { answer_ = answer; }

private:
    static constexpr int kFileNameBox = 0x47C;  // cmb13 of the open dialog

    void Run() {
        while (!stop_) {
            EnumWindows(Visit, reinterpret_cast<LPARAM>(this));
            Sleep(20);
        }
    }

    static BOOL CALLBACK Visit(HWND hwnd, LPARAM self) {
        reinterpret_cast<WindowWatcher*>(self)->Look(hwnd);
        return TRUE;
    }

    void Look(HWND hwnd) {
        DWORD pid = 0;
        GetWindowThreadProcessId(hwnd, &pid);
        if (pid != GetCurrentProcessId() || !IsWindowVisible(hwnd) || handled_.count(hwnd)) return;
        char className[64] = {};
        GetClassNameA(hwnd, className, sizeof(className));
        const std::string cls = className;
        if (cls != "#32770" && cls != "TfrmSettings" && cls != "TfrmAdd") return;
        handled_.insert(hwnd);
        SeenWindow seen;
        seen.className = cls;
        char buffer[4096] = {};
        GetWindowTextA(hwnd, buffer, sizeof(buffer));
        seen.caption = buffer;
        buffer[0] = 0;
        GetDlgItemTextA(hwnd, 0xFFFF, buffer, sizeof(buffer));
        seen.text = buffer;
        seen.question = GetDlgItem(hwnd, IDYES) != nullptr;
        RECT rc;
        GetWindowRect(hwnd, &rc);
        seen.width = rc.right - rc.left;
        seen.height = rc.bottom - rc.top;
        {
            std::lock_guard<std::mutex> lock(mutex_);
            seen_.push_back(seen);
        }
        if (cls != "#32770") {
            PostMessageA(hwnd, WM_CLOSE, 0, 0);
        } else if (GetDlgItem(hwnd, kFileNameBox)) {
            SetDlgItemTextA(hwnd, kFileNameBox, fileToOpen_.c_str());
            PostMessageA(hwnd, WM_COMMAND, IDOK, 0);
        } else {
            PostMessageA(hwnd, WM_COMMAND, seen.question ? answer_.load() : IDOK, 0);
        }
    }

    std::atomic<bool> stop_{false};
    std::atomic<int> answer_;
    std::string fileToOpen_;
    std::mutex mutex_;
    std::vector<SeenWindow> seen_;
    std::set<HWND> handled_;
    std::thread thread_;
};

}  // namespace win_test
}  // namespace kv
