#pragma once
// Shared by the Windows tests of the program's windows: files in a folder of
// their own, list file lines, readers of the list view and of child window
// bounds, and a main window over a list file.
#include <windows.h>
#include <commctrl.h>

#include <cstdint>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "app/KeyvaneApp.h"
#include "forms/MainForm.h"
#include "platform/win32/Win32MessageLoop.h"
#include "platform/win32/Win32Shell.h"
#include "support/TestFiles.h"
#include "uilogic/AppTitle.h"
#include "wingui/Application.h"
#include "wingui/Prompts.h"
#include "wingui/WindowHelpers.h"

namespace kv {
namespace win_test {

// One line of the list file as the program writes it, CR LF included.
inline std::string Line(std::uint32_t id, const std::string& enabled, const std::string& kind, std::uint32_t hotKey,
                        const std::string& data, const std::string& description) {
    return std::to_string(id) + ";" + enabled + ";" + kind + ";" + std::to_string(hotKey) + ";" + data + ";" +
           description + "@\r\n";
}

inline std::string CellText(HWND list, int row, int column) {
    char buffer[512] = {};
    LVITEMA item = {};
    item.iSubItem = column;
    item.pszText = buffer;
    item.cchTextMax = sizeof(buffer);
    SendMessageA(list, LVM_GETITEMTEXTA, row, reinterpret_cast<LPARAM>(&item));
    return buffer;
}

inline int RowCount(HWND list) { return int(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0)); }

inline void SelectRow(HWND list, int row) {
    LVITEMA item = {};
    item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    item.state = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageA(list, LVM_SETITEMSTATE, row, reinterpret_cast<LPARAM>(&item));
}

// The bounds of a child window in its parent's client coordinates.
inline RECT ChildRect(HWND child) {
    RECT rc;
    GetWindowRect(child, &rc);
    MapWindowPoints(nullptr, GetParent(child), reinterpret_cast<POINT*>(&rc), 2);
    return rc;
}

// The program as its entry wires it (the real platform), over a list file in
// a folder of its own. A derived fixture may point formPrompts_ at prompts of
// its own before Start.
class MainWindowFixture : public ::testing::Test {
protected:
    void SetUp() override {
        char temp[MAX_PATH];
        GetTempPathA(MAX_PATH, temp);
        dir_ =
            std::string(temp) + "kv-window-" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(counter_++);
        CreateDirectoryA(dir_.c_str(), nullptr);
        listPath_ = dir_ + "\\macrolist.lis";
    }

    void TearDown() override {
        Stop();
        for (const std::string& file : extraFiles_) DeleteFileA(file.c_str());
        DeleteFileA(listPath_.c_str());
        DeleteFileA((listPath_ + ".bak").c_str());
        RemoveDirectoryA(dir_.c_str());
    }

    // Starts the window over a list file with this text (none when empty).
    void Start(const std::string& listText = std::string()) {
        if (!listText.empty()) WriteBytes(listPath_, listText);
        app_ = std::make_unique<KeyvaneApp>(listPath_, formPrompts_);
        application_ = &app_->ApplicationWindow();
        form_ = &app_->MainWindow();
        // The controls as the first show makes them, so that the tests can
        // read the list while the window stays hidden.
        form_->CreateContents();
        Pump();
    }

    void Stop() {
        form_ = nullptr;
        application_ = nullptr;
        app_.reset();
    }

    Win32MessageLoop& Loop() { return app_->Loop(); }

    void Pump(int passes = 5) {
        for (int i = 0; i < passes; ++i) {
            Loop().ProcessMessages();
            Sleep(10);
        }
    }

    // Pumps for at least ms milliseconds.
    void PumpFor(DWORD ms) {
        const DWORD start = GetTickCount();
        while (GetTickCount() - start < ms) {
            Loop().ProcessMessages();
            Sleep(10);
        }
    }

    // A file in the test's folder, deleted after the test.
    std::string TempFile(const std::string& name) {
        extraFiles_.push_back(dir_ + "\\" + name);
        return extraFiles_.back();
    }

    MacroBinding& Binding() { return form_->Binding(); }
    HWND List() { return form_->ListView(); }

    static inline int counter_ = 0;
    const std::string title_ = ApplicationTitle(ExePath());
    std::string dir_;
    std::string listPath_;
    std::vector<std::string> extraFiles_;
    UiPrompts* formPrompts_ = nullptr;  // the platform's windows
    std::unique_ptr<KeyvaneApp> app_;
    Application* application_ = nullptr;
    MainForm* form_ = nullptr;
};

}  // namespace win_test
}  // namespace kv
