// The main window's list as a keyboard user and someone with many macros use
// it, in this process on the real platform: the keys, the tab order, the
// per-macro switch, the import report, the filter and the sort.
#include "win_test_support.h"
#include "window_watcher.h"

#include <string>
#include <vector>

#include "hotkeys/HotKeyText.h"
#include "hotkeys/HotKeyValue.h"
#include "platform/win32/Win32HotKeyApi.h"
#include "uilogic/ShortcutConflicts.h"

namespace kv {
namespace {

using namespace win_test;

// Shortcuts no other test of this program uses: Ctrl+Shift+Alt+F16, Ctrl+Alt+F16.
constexpr std::uint32_t kF16 = 0xE07F;
constexpr std::uint32_t kCtrlAltF16 = 0xC07F;
constexpr UINT kAllThree = MOD_CONTROL | MOD_SHIFT | MOD_ALT;

class MainWindowListTest : public MainWindowFixture {
protected:
    // A key as the keyboard gives it to the focused control, Ctrl held or not.
    void Key(HWND target, UINT key, bool ctrl = false) {
        BYTE state[256] = {};
        GetKeyboardState(state);
        state[VK_CONTROL] = ctrl ? 0x80 : 0;
        SetKeyboardState(state);
        PostMessageA(target, WM_KEYDOWN, key, 1);
        PostMessageA(target, WM_KEYUP, key, 0xC0000001);
        Pump();
        state[VK_CONTROL] = 0;
        SetKeyboardState(state);
    }
    void Command(UINT id) {
        SendMessageA(form_->Handle(), WM_COMMAND, id, 0);
        Pump();
    }
    void ClickHeader(int column) {
        NMLISTVIEW click = {};
        click.hdr.hwndFrom = List();
        click.hdr.code = LVN_COLUMNCLICK;
        click.iItem = -1;
        click.iSubItem = column;
        SendMessageA(form_->Handle(), WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&click));
        Pump();
    }
    // A click of the mouse on a row's check box: the space left of the
    // row's (empty) icon.
    void ClickCheckBox(int row) {
        RECT bounds = {}, icon = {};
        bounds.left = LVIR_BOUNDS;
        icon.left = LVIR_ICON;
        SendMessageA(List(), LVM_GETITEMRECT, row, reinterpret_cast<LPARAM>(&bounds));
        SendMessageA(List(), LVM_GETITEMRECT, row, reinterpret_cast<LPARAM>(&icon));
        ASSERT_GT(icon.left - bounds.left, 8) << "no room for a check box in row " << row;
        const LPARAM at = MAKELPARAM((bounds.left + icon.left) / 2, (bounds.top + bounds.bottom) / 2);
        PostMessageA(List(), WM_LBUTTONDOWN, MK_LBUTTON, at);
        PostMessageA(List(), WM_LBUTTONUP, 0, at);
        Pump();
    }
    std::string Text(std::uint32_t hotKey) { return HotKeyToText(api_, ReadModifierNames(api_), hotKey); }

    Win32HotKeyApi api_;
};

TEST_F(MainWindowListTest, KeysAddEditDeleteAndReachTheFilter) {
    Start(Line(0, "-1", "RUNPRG", kF16, "a.exe", "first") + Line(0, "0", "RUNPRG", kF16, "b.exe", "second"));
    form_->OnShowHide();
    Pump();
    const HWND list = List();
    EXPECT_EQ(GetFocus(), list);
    SelectRow(list, 1);

    WindowWatcher watcher(IDNO);
    const struct {
        UINT key;
        bool ctrl;
        const char* expected;  // the window that opens
    } opens[] = {{VK_INSERT, false, "TfrmAdd"},
                 {'N', true, "TfrmAdd"},
                 {VK_F2, false, "TfrmAdd"},
                 {VK_RETURN, false, "TfrmAdd"},
                 {VK_DELETE, false, "#32770"}};
    for (const auto& o : opens) {
        const std::size_t before = watcher.Seen().size();
        Key(list, o.key, o.ctrl);
        const std::vector<SeenWindow> seen = watcher.Seen();
        ASSERT_EQ(seen.size(), before + 1) << o.key;
        EXPECT_EQ(seen.back().className, o.expected) << o.key;
    }
    // F2 and Enter opened the selected macro; Delete asked about it, and No kept it.
    EXPECT_EQ(Binding().table.EditIndex, 1);
    EXPECT_EQ(watcher.Texts(), std::vector<std::string>{"Delete the macro \"second\"?"});
    EXPECT_EQ(RowCount(list), 2);

    watcher.SetAnswer(IDYES);
    Key(list, VK_DELETE);
    ASSERT_EQ(RowCount(list), 1);
    EXPECT_EQ(CellText(list, 0, 3), "first");

    Key(list, 'F', true);
    EXPECT_EQ(GetFocus(), form_->FilterBox());
    // The label's Alt+T reaches the box as well.
    SetFocus(list);
    PostMessageA(list, WM_SYSCHAR, 't', 1 << 29);
    Pump();
    EXPECT_EQ(GetFocus(), form_->FilterBox());
    // Down, and Enter, go back to the rows.
    Key(form_->FilterBox(), VK_DOWN);
    EXPECT_EQ(GetFocus(), list);
    EXPECT_EQ(form_->SelectedSlot(), 0);
}

TEST_F(MainWindowListTest, TabVisitsTheButtonsTheFilterAndTheListInReadingOrder) {
    Start();
    form_->OnShowHide();
    Pump();
    const std::vector<HWND> order = {form_->disableAllButton.Handle(),
                                     form_->enableAllButton.Handle(),
                                     form_->addButton.Handle(),
                                     form_->editButton.Handle(),
                                     form_->deleteButton.Handle(),
                                     form_->feedbackButton.Handle(),
                                     form_->aboutButton.Handle(),
                                     form_->donateButton.Handle(),
                                     form_->FilterBox(),
                                     List()};
    HWND at = order.back();
    for (HWND expected : order) {
        at = GetNextDlgTabItem(form_->Handle(), at, FALSE);
        EXPECT_EQ(at, expected);
    }
    // A real Tab from the list, through the window's dialog navigation.
    SetFocus(List());
    Key(List(), VK_TAB);
    EXPECT_EQ(GetFocus(), form_->disableAllButton.Handle());
}

TEST_F(MainWindowListTest, CheckBoxSwitchesTheShortcutOffForOtherProgramsAndOnAgain) {
    Start(Line(0, "-1", "RUNPRG", kF16, "a.exe", "Run it"));
    const HWND list = List();
    ASSERT_TRUE(ListView_GetCheckState(list, 0));
    ASSERT_FALSE(RegisterHotKey(nullptr, 0x7101, kAllThree, VK_F16));

    // Off: the shortcut is free for another program, and the file says so.
    ClickCheckBox(0);
    EXPECT_FALSE(ListView_GetCheckState(list, 0));
    EXPECT_EQ(CellText(list, 0, 4), "0");
    EXPECT_EQ(ReadBytes(listPath_), Line(0, "0", "RUNPRG", kF16, "a.exe", "Run it"));
    ASSERT_TRUE(RegisterHotKey(nullptr, 0x7101, kAllThree, VK_F16));

    // On while the other program holds it: it stays off and the box says by whom.
    {
        WindowWatcher watcher;
        ClickCheckBox(0);
        EXPECT_EQ(watcher.Texts(), std::vector<std::string>{"The macro \"Run it\" stays off: " + Text(kF16) +
                                                            " is taken by another program."});
    }
    EXPECT_FALSE(ListView_GetCheckState(list, 0));
    EXPECT_FALSE(Binding().table.Macros[0].Enabled);

    // Free again: on registers it, from the keyboard this time (Space).
    UnregisterHotKey(nullptr, 0x7101);
    SelectRow(list, 0);
    SetFocus(list);
    Key(list, VK_SPACE);
    EXPECT_TRUE(ListView_GetCheckState(list, 0));
    EXPECT_NE(CellText(list, 0, 4), "0");
    EXPECT_FALSE(RegisterHotKey(nullptr, 0x7101, kAllThree, VK_F16));
    EXPECT_EQ(ReadBytes(listPath_), Line(std::stoul(CellText(list, 0, 4)), "-1", "RUNPRG", kF16, "a.exe", "Run it"));

    // "Disable all" still works on top: the switch is untouched by it.
    form_->disableAllButton.Click();
    EXPECT_TRUE(form_->AllDisabled());
    EXPECT_TRUE(ListView_GetCheckState(list, 0));
}

TEST_F(MainWindowListTest, ImportOfATakenShortcutAndABadLineShowsOneReport) {
    Start(Line(0, "-1", "RUNPRG", kF16, "a.exe", "Run it"));
    const std::string importPath = TempFile("import.lis");
    WriteBytes(importPath, Line(0, "-1", "OPNURL", kF16, "http://example.com/", "Same key") + "0;-1;RUNPRG\r\n" +
                               Line(0, "-1", "RUNPRG", kCtrlAltF16, "b.exe", "New one"));
    WindowWatcher watcher(IDOK, importPath);
    Command(MainForm::cmImport);

    const std::vector<std::string> texts = watcher.Texts();
    ASSERT_EQ(texts.size(), 2u);  // the open dialog, then the report
    EXPECT_EQ(texts[1], "2 macros were added from " + importPath +
                            ".\n\n1 macro is switched off because the shortcut could not be registered:\n"
                            "\"Same key\": " +
                            Text(kF16) +
                            " is used by the macro \"Run it\".\n\n"
                            "1 line was skipped:\nLine 2: it has fewer than six fields.");
    const HWND list = List();
    ASSERT_EQ(RowCount(list), 3);
    EXPECT_EQ(CellText(list, 1, 3), "Same key");
    EXPECT_FALSE(ListView_GetCheckState(list, 1));
    EXPECT_EQ(CellText(list, 2, 3), "New one");
    EXPECT_TRUE(ListView_GetCheckState(list, 2));
    EXPECT_NE(CellText(list, 2, 4), "0");
}

TEST_F(MainWindowListTest, FilterNarrowsAThousandRowsAndEditAndDeleteActOnTheMacroShown) {
    std::string text;
    for (int i = 0; i < 1000; ++i) {
        text += Line(0, "0", "RUNPRG", kHotKeyCtrl | (0x41 + i % 26), "x.exe", "macro " + std::to_string(i));
    }
    Start(text);
    const HWND list = List();
    ASSERT_EQ(RowCount(list), 1000);

    SetWindowTextA(form_->FilterBox(), "MACRO 12");  // typed: the list follows each change
    Pump();
    ASSERT_EQ(RowCount(list), 11);  // 12 and 120..129
    ClickHeader(colDescription);
    ClickHeader(colDescription);  // again: the other way round
    EXPECT_EQ(CellText(list, 0, 3), "macro 129");
    EXPECT_EQ(CellText(list, 0, 0), "130");  // the macro's number, not the row's
    EXPECT_EQ(CellText(list, 10, 3), "macro 12");

    SelectRow(list, 0);
    EXPECT_EQ(form_->SelectedSlot(), 129);
    {
        WindowWatcher watcher(IDYES);
        Key(list, VK_DELETE);
        EXPECT_EQ(watcher.Texts(), std::vector<std::string>{"Delete the macro \"macro 129\"?"});
    }
    EXPECT_EQ(Binding().table.MacroCount, 999);
    EXPECT_EQ(RowCount(list), 10);  // the filter and the order stay
    EXPECT_EQ(CellText(list, 0, 3), "macro 128");
    const std::string file = ReadBytes(listPath_);
    EXPECT_EQ(file.find("macro 129@"), std::string::npos);
    EXPECT_NE(file.find("macro 128@"), std::string::npos);
    EXPECT_NE(file.find("macro 999@"), std::string::npos);

    SelectRow(list, 0);
    {
        WindowWatcher watcher;  // closes the editor
        Key(list, VK_F2);
    }
    EXPECT_EQ(Binding().table.EditIndex, 128);

    SetWindowTextA(form_->FilterBox(), "");
    Pump();
    EXPECT_EQ(RowCount(list), 999);
}

// The table of combinations the platform keeps, against the platform: each is
// refused where the platform enforces it. Wine keeps none of them for itself
// (it has no shell that registers Win+E or Win+R, no secure attention
// sequence, and lets a program register F12), so under Wine every one of them
// registers; the test then records that and checks the table's shape only.
TEST(ReservedShortcuts, AgainstThePlatform) {
    std::vector<std::string> notKept;
    for (const ReservedShortcut& reserved : ReservedShortcuts()) {
        std::uint16_t key = 0;
        unsigned modifiers = 0;
        SplitHotKey(reserved.hotKey, key, modifiers);
        if (RegisterHotKey(nullptr, 0x7102, modifiers, key)) {
            notKept.push_back(reserved.name);
            UnregisterHotKey(nullptr, 0x7102);
        }
    }
    const bool underWine = GetProcAddress(GetModuleHandleA("ntdll.dll"), "wine_get_version") != nullptr;
    if (underWine) {
        EXPECT_EQ(notKept.size(), ReservedShortcuts().size()) << "Wine now keeps some: record which";
    } else {
        EXPECT_TRUE(notKept.empty()) << notKept.front() << " is not kept by this platform";
    }
}

}  // namespace
}  // namespace kv
