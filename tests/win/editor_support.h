#pragma once
// Shared by the editor's Windows tests: prompts that answer from a script
// and record what they were asked, a main window over a list file in a
// temporary folder, and small readers of controls.
#include "platform/win32/Win32Shell.h"

#include <windows.h>
#include <commctrl.h>

#include <deque>
#include <fstream>
#include <functional>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "platform/win32/Win32MessageLoop.h"
#include "ui/AppTitle.h"
#include "ui/Application.h"
#include "ui/Prompts.h"
#include "ui/Win.h"
#include "ui/uMain.h"

namespace kv {
namespace editor_test {

struct Asked {
    std::string kind;  // "message", "confirm", "input", "file", "directory"
    std::string text;
    std::string caption;
    MessageIcon icon = MessageIcon::None;
    FileDialogOptions file;
};

// Answers every prompt at once from its queues (Cancel or No when a queue is
// empty) and keeps what it was asked. Installed for its lifetime.
class ScriptedPrompts : public UiPrompts {
public:
    ScriptedPrompts() { previous_ = SetPrompts(this); }
    ~ScriptedPrompts() override { SetPrompts(previous_); }

    void Message(HWND, const std::string& text, const std::string& caption, MessageIcon icon) override {
        asked.push_back({"message", text, caption, icon, {}});
    }
    bool Confirm(HWND, const std::string& text, const std::string& caption) override {
        asked.push_back({"confirm", text, caption, MessageIcon::Question, {}});
        return Next(confirmAnswers, false);
    }
    std::string InputBox(HWND, const std::string& caption, const std::string& prompt,
                         const std::string& defaultText) override {
        asked.push_back({"input", prompt, caption, MessageIcon::None, {}});
        return Next(inputAnswers, defaultText);
    }
    bool ChooseFile(HWND, const FileDialogOptions& options, std::string& path) override {
        asked.push_back({"file", options.fileName, "", MessageIcon::None, options});
        const std::string chosen = Next(fileAnswers, std::string());
        if (chosen.empty()) return false;
        path = chosen;
        return true;
    }
    bool ChooseDirectory(HWND, const std::string& title, const std::string& root, std::string& path) override {
        asked.push_back({"directory", title, root, MessageIcon::None, {}});
        const std::string chosen = Next(directoryAnswers, std::string());
        if (chosen.empty()) return false;
        path = chosen;
        return true;
    }

    std::vector<std::string> Messages() const {
        std::vector<std::string> texts;
        for (const Asked& a : asked) {
            if (a.kind == "message") texts.push_back(a.text);
        }
        return texts;
    }
    const Asked& Last() const { return asked.back(); }

    std::vector<Asked> asked;
    std::deque<bool> confirmAnswers;
    std::deque<std::string> inputAnswers;  // "" as the default text: a cancelled box
    std::deque<std::string> fileAnswers;   // "" cancels
    std::deque<std::string> directoryAnswers;

private:
    template <typename T>
    static T Next(std::deque<T>& queue, T otherwise) {
        if (queue.empty()) return otherwise;
        T value = queue.front();
        queue.pop_front();
        return value;
    }

    UiPrompts* previous_ = nullptr;
};

// Runs an action once from inside the next modal loop: a thread timer fires
// in whatever loop dispatches messages, also that of a modal window.
class DuringModal {
public:
    explicit DuringModal(std::function<void()> action) {
        pending() = std::move(action);
        SetTimer(nullptr, 0, 30, Fire);
    }

private:
    static std::function<void()>& pending() {
        static std::function<void()> action;
        return action;
    }
    static void CALLBACK Fire(HWND, UINT, UINT_PTR id, DWORD) {
        KillTimer(nullptr, id);
        std::function<void()> action = std::move(pending());
        pending() = nullptr;
        if (action) action();
    }
};

inline std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

inline void WriteFile(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

inline std::string Line(std::uint32_t id, const std::string& kind, std::uint32_t hotKey, const std::string& data,
                        const std::string& description) {
    return std::to_string(id) + ";-1;" + kind + ";" + std::to_string(hotKey) + ";" + data + ";" + description +
           "@\r\n";
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

inline void SelectRow(HWND list, int row) {
    LVITEMA item = {};
    item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    item.state = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageA(list, LVM_SETITEMSTATE, row, reinterpret_cast<LPARAM>(&item));
}

// A click on a push button, check box or flat button as the user makes it.
inline void Click(HWND control) { SendMessageA(control, BM_CLICK, 0, 0); }

// The user picks entry index of a drop-down list: the choice, then the
// notification to the form.
inline void Pick(HWND combo, int index) {
    SendMessageA(combo, CB_SETCURSEL, WPARAM(index), 0);
    SendMessageA(GetParent(combo), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(combo), CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(combo));
}

// Characters typed into a control.
inline void Type(HWND control, const std::string& text) {
    for (char c : text) SendMessageA(control, WM_CHAR, WPARAM(static_cast<unsigned char>(c)), 1);
}

// The main window over a list file in a folder of its own.
class MainWindowFixture : public ::testing::Test {
protected:
    void SetUp() override {
        char temp[MAX_PATH];
        GetTempPathA(MAX_PATH, temp);
        dir_ = std::string(temp) + "kv-editor-" + std::to_string(GetCurrentProcessId()) + "-" +
               std::to_string(counter_++);
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

    void Start(const std::string& listText = std::string()) {
        if (!listText.empty()) WriteFile(listPath_, listText);
        application_ = std::make_unique<Application>();
        application_->Create(title_, nullptr, nullptr);
        form_ = std::make_unique<TfrmKeyvaneMain>(loop_, *application_, listPath_);
        Pump();
    }

    void Stop() {
        form_.reset();
        application_.reset();
    }

    void Pump(int passes = 5) {
        for (int i = 0; i < passes; ++i) {
            loop_.ProcessMessages();
            Sleep(10);
        }
    }

    // Pumps for at least ms milliseconds.
    void PumpFor(DWORD ms) {
        const DWORD start = GetTickCount();
        while (GetTickCount() - start < ms) {
            loop_.ProcessMessages();
            Sleep(10);
        }
    }

    std::string TempFile(const std::string& name) {
        extraFiles_.push_back(dir_ + "\\" + name);
        return extraFiles_.back();
    }

    TMacroBinding& Binding() { return form_->Binding(); }
    HWND List() { return form_->ListView(); }

    static inline int counter_ = 0;
    const std::string title_ = ApplicationTitle(ExePath());
    std::string dir_;
    std::string listPath_;
    std::vector<std::string> extraFiles_;
    Win32MessageLoop loop_;
    std::unique_ptr<Application> application_;
    std::unique_ptr<TfrmKeyvaneMain> form_;
};

}  // namespace editor_test
}  // namespace kv
