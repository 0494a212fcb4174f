// Damaged and unusual list files beside the real program: it starts, answers
// its window, loads what the format accepts, says where it stopped, and after
// the next save the original bytes are still there (in the file or its .bak).
#include <algorithm>
#include <cstdint>
#include <fstream>
#include <string>
#include <vector>

#include "forms/EditorForm.h"
#include "forms/MainForm.h"
#include "keyvane_instance.h"
#include "macro_message_box.h"
#include "wingui/TrayIcon.h"

namespace kv::e2e {
namespace {

std::string Record(int n) {
    // Switched off: all share one shortcut, and a switched-on copy would be
    // refused (and named in a message) at every load.
    return ListLine(0, "0", "RUNPRG", 0x6000 | 0x70, "C:\\nothing-" + std::to_string(n) + ".exe",
                    "macro " + std::to_string(n));
}

// ListLine ends with CR LF; the record without it.
std::string Bare(int n) {
    std::string line = Record(n);
    return line.substr(0, line.size() - 2);
}

std::string Garbage(size_t size) {
    std::string bytes(size, '\0');
    std::uint32_t state = 12345;
    for (char& c : bytes) {
        state = state * 1103515245u + 12345u;
        c = char(state >> 24);
    }
    return bytes;
}

std::string TwentyMegabytesOfText() {
    const std::string line = "Lorem ipsum dolor sit amet, consectetur adipiscing elit, sed do eiusmod tempor\r\n";
    std::string text;
    text.reserve(20u << 20);
    while (text.size() < (20u << 20)) text += line;
    return text;
}

struct ListCase {
    const char* name;
    std::string bytes;
    bool loadsWhole;         // every record loads and no message comes
    int rows;                // rows expected in the list
    bool rewritten = false;  // the load completed (with a message): the file was rewritten at start
};

std::vector<ListCase> Cases() {
    std::string crOnly, lfOnly, mixed, many;
    for (int i = 0; i < 3; ++i) crOnly += Bare(i) + "\r";
    for (int i = 0; i < 3; ++i) lfOnly += Bare(i) + "\n";
    mixed = Bare(0) + "\r" + Bare(1) + "\n" + Bare(2) + "\r\n" + Bare(3);
    for (int i = 0; i < 1500; ++i) many += Record(i);
    const std::string megabyte = ListLine(0, "-1", "OPNURL", 0x6000 | 0x71,
                                          "http://example.invalid/" + std::string(1u << 20, 'x'), "one long line");
    return {
        {"binary garbage", Garbage(64 * 1024), false, -1},
        {"20 MB of text", TwentyMegabytesOfText(), false, 0},
        {"1500 valid lines", many, false, 1000},
        {"one line of 1 MB", megabyte, true, 1},
        {"CR only", crOnly, true, 3},
        {"LF only", lfOnly, true, 3},
        {"mixed line ends", mixed, true, 4},
        {"NUL inside a line",
         Record(0) + Bare(1).substr(0, 20) + std::string(1, '\0') + Bare(1).substr(20) + "\r\n" + Record(2), false, 1},
        {"unknown action kind", Record(0) + "0;-1;FUTURE;24700;data;from a newer program@\r\n" + Record(2), false, 3,
         true},
    };
}

// The records of a list text, without their identifiers.
std::vector<std::string> RecordsOf(const std::string& text) {
    std::vector<std::string> records;
    std::string line;
    auto flush = [&] {
        if (!line.empty()) records.push_back(line.substr(line.find(';')));
        line.clear();
    };
    for (char c : text) {
        if (c == '\0') break;
        if (c == '\r' || c == '\n') {
            flush();
        } else {
            line += c;
        }
    }
    flush();
    return records;
}

struct ControlSearch {
    int id;
    HWND found;
};

BOOL CALLBACK MatchControl(HWND child, LPARAM param) {
    auto& search = *reinterpret_cast<ControlSearch*>(param);
    if (GetDlgCtrlID(child) != search.id) return TRUE;
    search.found = child;
    return FALSE;
}

HWND FindControl(HWND parent, int id) {
    ControlSearch search{id, nullptr};
    EnumChildWindows(parent, MatchControl, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND FindTopLevel(DWORD processId, const char* title) {
    HWND found = nullptr;
    while ((found = FindWindowExA(nullptr, found, nullptr, title)) != nullptr) {
        DWORD pid = 0;
        GetWindowThreadProcessId(found, &pid);
        if (pid == processId && IsWindowVisible(found)) return found;
    }
    return nullptr;
}

class BadLists : public KeyvaneTest {
protected:
    std::vector<std::string> saveMessages;  // shown by the last save through the editor

    // Closes every message box the program shows; their texts.
    std::vector<std::string> CloseMessages() {
        std::vector<std::string> texts;
        HWND box = nullptr;
        while (WaitUntil([&] { return (box = FindDialogOf(keyvane->ProcessId())) != nullptr; }, 1500)) {
            texts.push_back(MessageBoxText(box));
            if (!CloseMessageBox(box)) break;
        }
        return texts;
    }

    // Shows the window from the tray (its list is made at the first show).
    bool ShowWindow() {
        if (IsWindowVisible(keyvane->MainWindow())) return true;
        PostMessageA(keyvane->MainWindow(), kTrayCallbackMessage, 0, WM_LBUTTONDOWN);
        return WaitUntil([&] { return IsWindowVisible(keyvane->MainWindow()) != FALSE; });
    }

    // The rows of the window's list, with the window shown.
    int Rows() {
        if (!ShowWindow()) return -1;
        HWND list = FindWindowExA(keyvane->MainWindow(), nullptr, "SysListView32", nullptr);
        return int(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0));
    }

    // A new screen-capture macro through the editor: a save of the list.
    bool AddThroughTheEditor() {
        PostMessageA(keyvane->MainWindow(), WM_COMMAND, MAKEWPARAM(MainForm::cmAdd, 0), 0);
        HWND editor = nullptr;
        if (!WaitUntil([&] { return (editor = FindTopLevel(keyvane->ProcessId(), "New Macro")) != nullptr; })) {
            ADD_FAILURE() << "no editor";
            return false;
        }
        HWND category = FindControl(editor, EditorForm::idCategoryCombo);
        HWND add = FindControl(editor, EditorForm::idCommit);
        if (!category || !add) {
            ADD_FAILURE() << "no controls " << category << " " << add;
            return false;
        }
        SendMessageA(category, CB_SETCURSEL, 2, 0);  // "Screen Capture"
        SendMessageA(GetParent(category), WM_COMMAND, MAKEWPARAM(EditorForm::idCategoryCombo, CBN_SELCHANGE),
                     reinterpret_cast<LPARAM>(category));
        PostMessageA(GetParent(add), WM_COMMAND, MAKEWPARAM(EditorForm::idCommit, BN_CLICKED),
                     reinterpret_cast<LPARAM>(add));
        // The save's messages come while the editor is still up.
        auto closed = [&] { return !IsWindow(editor) || !IsWindowVisible(editor); };
        if (!WaitUntil([&] { return closed() || FindDialogOf(keyvane->ProcessId()) != nullptr; })) return false;
        saveMessages = CloseMessages();
        return WaitUntil(closed);
    }

    // Deletes the first row: a save of the list.
    bool DeleteTheFirstRow() {
        if (!ShowWindow()) return false;
        HWND list = FindWindowExA(keyvane->MainWindow(), nullptr, "SysListView32", nullptr);
        RECT rect = {};
        GetWindowRect(list, &rect);
        SetCursorPos(rect.left + 60, rect.top + 30);  // the first row, below the header
        INPUT click[2] = {};
        click[0].type = click[1].type = INPUT_MOUSE;
        click[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
        click[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
        SendInput(2, click, sizeof(INPUT));
        if (!WaitUntil([&] { return SendMessageA(list, LVM_GETSELECTEDCOUNT, 0, 0) == 1; }, 5000)) return false;
        const int before = Rows();
        PostMessageA(keyvane->MainWindow(), WM_COMMAND, MAKEWPARAM(MainForm::cmDelete, 0), 0);
        // The question first ("Delete the macro ...?"): Yes.
        HWND question = nullptr;
        if (!WaitUntil([&] { return (question = FindDialogOf(keyvane->ProcessId())) != nullptr; })) return false;
        PostMessageA(question, WM_COMMAND, MAKEWPARAM(IDYES, BN_CLICKED), 0);
        if (!WaitUntil([&] { return !IsWindow(question); })) return false;
        return WaitUntil([&] { return Rows() != before || FindDialogOf(keyvane->ProcessId()); });
    }
};

TEST_F(BadLists, EachStartsAnswersLoadsWhatItCanAndLosesNothingAtTheNextSave) {
    for (const ListCase& c : Cases()) {
        SCOPED_TRACE(c.name);
        WriteFileText(folder.ListFile(), c.bytes);
        DeleteFileA((folder.ListFile() + ".bak").c_str());
        const DWORD start = GetTickCount();
        ASSERT_NO_FATAL_FAILURE(Start(nullptr));
        DWORD_PTR ignored = 0;
        EXPECT_TRUE(SendMessageTimeoutA(keyvane->MainWindow(), WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 2000, &ignored));
        EXPECT_LT(GetTickCount() - start, 2000u + 1000u) << "slow start";  // the test's own polling adds up to 1 s

        const std::vector<std::string> messages = CloseMessages();
        if (c.loadsWhole) {
            EXPECT_TRUE(messages.empty()) << messages.front();
        } else {
            ASSERT_FALSE(messages.empty());
            EXPECT_NE(messages.front().find("macrolist.lis"), std::string::npos) << messages.front();
            EXPECT_NE(messages.front().find("ine "), std::string::npos) << "no line named: " << messages.front();
        }
        if (c.rows >= 0) {
            EXPECT_EQ(Rows(), c.rows);
        }

        if (c.loadsWhole || c.rewritten) {
            // Rewritten at start with new identifiers: every record is there.
            EXPECT_EQ(RecordsOf(ReadFileText(folder.ListFile())), RecordsOf(c.bytes));
        } else {
            ASSERT_TRUE(Rows() < 1000 ? AddThroughTheEditor() : DeleteTheFirstRow());
            CloseMessages();
            const std::string now = ReadFileText(folder.ListFile());
            const std::string backup = ReadFileText(folder.ListFile() + ".bak");
            EXPECT_TRUE(now == c.bytes || backup == c.bytes)
                << "file " << now.size() << " bytes, .bak " << backup.size() << " of " << c.bytes.size();
        }
        keyvane.reset();
    }
}

TEST_F(BadLists, FileLockedAtStartIsNeverOverwritten) {
    const std::string original = Record(1) + Record(2);
    WriteFileText(folder.ListFile(), original);
    HANDLE lock = CreateFileA(folder.ListFile().c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(lock, INVALID_HANDLE_VALUE);
    ASSERT_NO_FATAL_FAILURE(Start(nullptr));
    std::vector<std::string> messages = CloseMessages();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_NE(messages[0].find("macrolist.lis"), std::string::npos) << messages[0];
    EXPECT_NE(messages[0].find("could not be read"), std::string::npos) << messages[0];

    // The save is refused while the file cannot be copied aside.
    ASSERT_TRUE(AddThroughTheEditor());
    ASSERT_FALSE(saveMessages.empty());
    EXPECT_NE(saveMessages[0].find("macrolist.lis"), std::string::npos) << saveMessages[0];
    CloseHandle(lock);
    EXPECT_EQ(ReadFileText(folder.ListFile()), original);
    EXPECT_FALSE(std::ifstream(folder.ListFile() + ".bak").good());
}

}  // namespace
}  // namespace kv::e2e
