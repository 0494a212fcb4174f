// The real program's main window driven from outside with the keyboard, as a
// user without a mouse would: its keys, the per-macro switch, the import
// report and the filter over 1000 macros.
#include <windows.h>
#include <commctrl.h>

#include <cctype>
#include <string>
#include <vector>

#include "forms/MainForm.h"
#include "keyvane_instance.h"
#include "macro_message_box.h"

namespace kv::e2e {
namespace {

constexpr int kFileNameBox = 0x47C;  // cmb13 of the open dialog

// One press of a key, with Ctrl held when asked.
void Press(WORD vk, bool ctrl = false) {
    std::vector<INPUT> inputs;
    if (ctrl) inputs.push_back(KeyInput(VK_CONTROL, false));
    inputs.push_back(KeyInput(vk, false));
    inputs.push_back(KeyInput(vk, true));
    if (ctrl) inputs.push_back(KeyInput(VK_CONTROL, true));
    SendInput(UINT(inputs.size()), inputs.data(), sizeof(INPUT));
    Sleep(100);
}

// Letters, digits and spaces, typed.
void Type(const std::string& text) {
    for (char c : text) Press(c == ' ' ? VK_SPACE : WORD(std::toupper(static_cast<unsigned char>(c))));
}

struct WindowSearch {
    DWORD processId;
    const char* className;
    HWND found;
};

BOOL CALLBACK MatchWindow(HWND hwnd, LPARAM param) {
    auto* search = reinterpret_cast<WindowSearch*>(param);
    DWORD pid = 0;
    GetWindowThreadProcessId(hwnd, &pid);
    char name[64] = {};
    GetClassNameA(hwnd, name, sizeof name);
    if (pid != search->processId || !IsWindowVisible(hwnd) || lstrcmpA(name, search->className) != 0) return TRUE;
    search->found = hwnd;
    return FALSE;
}

class MainWindow : public KeyvaneTest {
protected:
    // Shows the window as a second start does, with the keyboard in the list.
    void Show() {
        ASSERT_EQ(RunToEnd(folder), 0u);
        ASSERT_TRUE(WaitUntil([&] { return IsWindowVisible(keyvane->MainWindow()) != FALSE; }));
        list_ = FindWindowExA(keyvane->MainWindow(), nullptr, WC_LISTVIEWA, nullptr);
        ASSERT_NE(list_, nullptr);
        ASSERT_TRUE(WaitUntil([&] { return GetForegroundWindow() == keyvane->MainWindow(); }))
            << "the window is not in front: the keys would go elsewhere";
        Sleep(300);
    }
    // A visible top-level window of the program, waited for.
    HWND WaitForWindow(const char* className) {
        WindowSearch search{keyvane->ProcessId(), className, nullptr};
        WaitUntil([&] {
            search.found = nullptr;
            EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&search));
            return search.found != nullptr;
        });
        return search.found;
    }
    // Answers the question box that is up; its text.
    std::string Answer(int button) {
        const HWND box = WaitForWindow("#32770");
        if (!box) return "(no box)";
        const std::string text = MessageBoxText(box);
        PostMessageA(box, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), 0);
        WaitUntil([box] { return !IsWindow(box); });
        return text;
    }
    int Rows() const { return int(SendMessageA(list_, LVM_GETITEMCOUNT, 0, 0)); }

    HWND list_ = nullptr;
};

TEST_F(MainWindow, KeysAddEditAskBeforeDeletingAndFilter) {
    Start(ListLine(0, "-1", "RUNPRG", kShortcutA, "a.exe", "first") +
          ListLine(0, "-1", "RUNPRG", kShortcutB, "b.exe", "second"));
    Show();

    // Insert opens a new editor; Esc is the editor's, so it is closed here.
    Press(VK_INSERT);
    HWND editor = WaitForWindow("TfrmAdd");
    ASSERT_NE(editor, nullptr) << "Insert opened no editor";
    PostMessageA(editor, WM_CLOSE, 0, 0);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(editor); }));

    // Down selects the first macro; Delete asks, No keeps it.
    Press(VK_DOWN);
    Press(VK_DELETE);
    EXPECT_EQ(Answer(IDNO), "Delete the macro \"first\"?");
    EXPECT_EQ(Rows(), 2);

    // F2 edits the selected macro.
    Press(VK_F2);
    editor = WaitForWindow("TfrmAdd");
    ASSERT_NE(editor, nullptr) << "F2 opened no editor";
    PostMessageA(editor, WM_CLOSE, 0, 0);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(editor); }));

    // Ctrl+F, typing narrows the list, Down goes back to it, Delete and Yes delete what is shown.
    Press('F', true);
    Type("sec");
    ASSERT_TRUE(WaitUntil([&] { return Rows() == 1; })) << Rows();
    Press(VK_DOWN);
    Press(VK_DELETE);
    EXPECT_EQ(Answer(IDYES), "Delete the macro \"second\"?");
    ASSERT_TRUE(WaitUntil([&] { return Rows() == 0; }));
    const std::string file = ReadFileText(folder.ListFile());
    EXPECT_NE(file.find(";first@"), std::string::npos) << file;
    EXPECT_EQ(file.find(";second@"), std::string::npos) << file;
}

TEST_F(MainWindow, SpaceSwitchesAMacroOffForOtherProgramsAndOnAgain) {
    const std::string mark = folder.AddMarkHelper("mark.exe");
    Start(ListLine(0, "-1", "RUNPRG", kShortcutA, mark, "mark it"));
    ASSERT_FALSE(ShortcutIsFree(kShortcutA));
    Show();
    Press(VK_DOWN);

    Press(VK_SPACE);
    ASSERT_TRUE(WaitUntil([] { return ShortcutIsFree(kShortcutA); })) << "unticking kept the shortcut";
    EXPECT_TRUE(WaitUntil([&] { return ReadFileText(folder.ListFile()).rfind("0;0;RUNPRG;", 0) == 0; }));

    // Another program takes it: ticking leaves the macro off and says by whom.
    ASSERT_TRUE(RegisterHotKey(nullptr, 0x7E30, MOD_CONTROL | MOD_SHIFT | MOD_ALT, kShortcutA & 0xFF));
    Press(VK_SPACE);
    const std::string said = Answer(IDOK);
    EXPECT_EQ(said.rfind("The macro \"mark it\" stays off: ", 0), 0u) << said;
    EXPECT_NE(said.find(" is taken by another program."), std::string::npos) << said;
    UnregisterHotKey(nullptr, 0x7E30);

    Press(VK_SPACE);
    ASSERT_TRUE(WaitUntil([] { return !ShortcutIsFree(kShortcutA); })) << "ticking did not register it";
    // Hidden, the switched-on macro runs again.
    PostMessageA(keyvane->MainWindow(), WM_CLOSE, 0, 0);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindowVisible(keyvane->MainWindow()); }));
    PressShortcut(kShortcutA);
    EXPECT_TRUE(WaitUntil([&] { return !folder.Marks().empty(); }));
}

TEST_F(MainWindow, ImportWithATakenShortcutAndABadLineShowsTheReport) {
    Start(ListLine(0, "-1", "RUNPRG", kShortcutA, "a.exe", "Run it"));
    const std::string importPath = folder.File("import.lis");
    WriteFileText(importPath, ListLine(0, "-1", "OPNURL", kShortcutA, "http://example.com/", "Same key") +
                                  "0;-1;RUNPRG\r\n" + ListLine(0, "-1", "RUNPRG", kShortcutB, "b.exe", "New one"));
    PostMessageA(keyvane->MainWindow(), WM_COMMAND, MainForm::cmImport, 0);
    const HWND open = WaitForWindow("#32770");
    ASSERT_NE(open, nullptr);
    ASSERT_NE(GetDlgItem(open, kFileNameBox), nullptr) << "not the open dialog";
    SendMessageA(GetDlgItem(open, kFileNameBox), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(importPath.c_str()));
    PostMessageA(open, WM_COMMAND, IDOK, 0);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(open); }));

    const std::string report = Answer(IDOK);
    EXPECT_EQ(report.rfind("2 macros were added from ", 0), 0u) << report;
    EXPECT_NE(report.find("1 macro is switched off because the shortcut could not be registered:\n"
                          "\"Same key\": "),
              std::string::npos)
        << report;
    EXPECT_NE(report.find(" is used by the macro \"Run it\"."), std::string::npos) << report;
    EXPECT_NE(report.find("1 line was skipped:\nLine 2: it has fewer than six fields."), std::string::npos) << report;
    EXPECT_FALSE(ShortcutIsFree(kShortcutB));  // the new one is registered
    const std::string file = ReadFileText(folder.ListFile());
    EXPECT_NE(file.find("0;0;OPNURL;"), std::string::npos) << file;  // added switched off
}

TEST_F(MainWindow, TypingInTheFilterNarrowsAThousandMacros) {
    std::string text;
    for (int i = 0; i < 1000; ++i) {
        text += ListLine(0, "0", "RUNPRG", 0x4041 + i % 26, "x.exe", "macro " + std::to_string(i));
    }
    Start(text);
    Show();
    ASSERT_EQ(Rows(), 1000);
    Press('F', true);
    Type("macro 12");
    EXPECT_TRUE(WaitUntil([&] { return Rows() == 11; })) << Rows();  // 12 and 120..129
    Press(VK_BACK);
    EXPECT_TRUE(WaitUntil([&] { return Rows() == 111; })) << Rows();  // "macro 1": 1, 10..19, 100..199
}

}  // namespace
}  // namespace kv::e2e
