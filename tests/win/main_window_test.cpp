// The main window in this process on the real platform: its layout, menus,
// list rows, tray icon, the shown-means-disabled rule and the messages it
// shows. Message boxes and modal windows are answered by a watcher thread.
#include "win_test_support.h"
#include "window_watcher.h"

#include <shellapi.h>

#include <atomic>
#include <cstddef>
#include <mutex>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "hotkeys/HotKeyText.h"
#include "platform/win32/Win32HotKeyApi.h"

namespace kv {
namespace {

using namespace win_test;

// Shortcuts no other test of this program uses: Ctrl+Shift+Alt with F13..F15.
constexpr std::uint32_t kF13 = 0xE07C;
constexpr std::uint32_t kF14 = 0xE07D;
constexpr std::uint32_t kF15 = 0xE07E;

// Whether the shell holds an icon of this window: changing nothing of an
// icon succeeds only for an icon that is there.
bool TrayIconPresent(HWND window) {
    NOTIFYICONDATAA probe = {};
    probe.cbSize = NOTIFYICONDATAA_V1_SIZE;
    probe.hWnd = window;
    probe.uID = 0;
    probe.uFlags = 0;
    return Shell_NotifyIconA(NIM_MODIFY, &probe) != FALSE;
}

std::vector<std::string> MenuTexts(HMENU menu) {
    std::vector<std::string> texts;
    for (int i = 0; i < GetMenuItemCount(menu); ++i) {
        char buffer[128] = {};
        GetMenuStringA(menu, i, buffer, sizeof(buffer), MF_BYPOSITION);
        texts.push_back(buffer[0] ? buffer : "-");
    }
    return texts;
}

class MainWindowTest : public MainWindowFixture {
protected:
    void Command(UINT id) {
        SendMessageA(form_->Handle(), WM_COMMAND, id, 0);
        Pump();
    }

    bool Shown() const { return IsWindowVisible(form_->Handle()) != FALSE; }
};

TEST_F(MainWindowTest, StartsHiddenWithTheDesignedLayout) {
    Start();
    const HWND main = form_->Handle();
    char className[64] = {};
    GetClassNameA(main, className, sizeof(className));
    EXPECT_STREQ(className, "TfrmKeyvaneMain");
    EXPECT_EQ(FindWindowA("TfrmKeyvaneMain", nullptr), main);
    char caption[64] = {};
    GetWindowTextA(main, caption, sizeof(caption));
    EXPECT_STREQ(caption, "Keyvane v1.0 Beta");
    EXPECT_FALSE(IsWindowVisible(main));
    EXPECT_FALSE(IsWindowVisible(application_->Handle()));
    EXPECT_EQ(GetWindow(main, GW_OWNER), application_->Handle());

    ASSERT_EQ(ScreenDpi(), 96) << "the sizes below are those at 96 dpi";
    RECT outer;
    GetWindowRect(main, &outer);
    EXPECT_EQ(outer.right - outer.left, 689);
    EXPECT_EQ(outer.bottom - outer.top, 548);

    const RECT panel = ChildRect(form_->toolBar.Handle());
    RECT client;
    GetClientRect(main, &client);
    EXPECT_EQ(panel.top, 0);
    EXPECT_EQ(panel.bottom - panel.top, 27);
    EXPECT_EQ(panel.right - panel.left, client.right);

    const struct {
        SpeedButton* button;
        int left;
        bool visible;
    } buttons[] = {
        {&form_->disableAllButton, 4, true},
        {&form_->enableAllButton, 28, true},
        {&form_->addButton, 62, true},
        {&form_->editButton, 85, true},
        {&form_->deleteButton, 108, true},
        {&form_->feedbackButton, 142, true},
        {&form_->aboutButton, 167, true},
        {&form_->settingsButton, 255, false},
        {&form_->donateButton, client.right - 4 - 23, true},
    };
    for (const auto& b : buttons) {
        const RECT rc = ChildRect(b.button->Handle());
        EXPECT_EQ(rc.left, b.left) << b.button->Id();
        EXPECT_EQ(rc.right - rc.left, 23) << b.button->Id();
        EXPECT_EQ(rc.bottom - rc.top, 22) << b.button->Id();
        EXPECT_EQ((GetWindowLongA(b.button->Handle(), GWL_STYLE) & WS_VISIBLE) != 0, b.visible) << b.button->Id();
    }
    EXPECT_TRUE(form_->disableAllButton.Down());
    EXPECT_FALSE(form_->enableAllButton.Down());

    const HWND list = form_->ListView();
    const LONG style = GetWindowLongA(list, GWL_STYLE);
    EXPECT_EQ(style & LVS_TYPEMASK, LVS_REPORT);
    EXPECT_TRUE(style & LVS_SINGLESEL);
    EXPECT_FALSE(style & LVS_EDITLABELS);
    const LRESULT extended = SendMessageA(list, LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0);
    EXPECT_TRUE(extended & LVS_EX_GRIDLINES);
    EXPECT_TRUE(extended & LVS_EX_FULLROWSELECT);
    EXPECT_TRUE(extended & LVS_EX_CHECKBOXES);
    const RECT listRect = ChildRect(list);
    // The filter row between the tool bar and the list.
    const RECT filterRect = ChildRect(form_->FilterBox());
    EXPECT_GE(filterRect.top, 27);
    EXPECT_LE(filterRect.bottom, 27 + 26);
    EXPECT_EQ(filterRect.right, client.right - 4);
    EXPECT_EQ(listRect.top, 27 + 26);
    EXPECT_EQ(listRect.bottom, ChildRect(form_->statusBar).top);

    const struct {
        const char* caption;
        int width;
    } columns[] = {{"#", 50}, {"Shortcut", 125}, {"Action", 150}, {"Description", 450}, {"Unique ID", 75}};
    for (int i = 0; i < 5; ++i) {
        char text[64] = {};
        LVCOLUMNA column = {};
        column.mask = LVCF_TEXT | LVCF_WIDTH;
        column.pszText = text;
        column.cchTextMax = sizeof(text);
        ASSERT_TRUE(SendMessageA(list, LVM_GETCOLUMNA, i, reinterpret_cast<LPARAM>(&column)));
        EXPECT_STREQ(text, columns[i].caption);
        EXPECT_EQ(column.cx, columns[i].width);
    }

    int parts[4] = {};
    EXPECT_EQ(SendMessageA(form_->statusBar, SB_GETPARTS, 4, reinterpret_cast<LPARAM>(parts)), 1);
    EXPECT_EQ(parts[0], 50);
}

TEST_F(MainWindowTest, MenusHoldTheVisibleItemsInOrder) {
    Start();
    const HMENU bar = GetMenu(form_->Handle());
    EXPECT_EQ(MenuTexts(bar), (std::vector<std::string>{"File", "Edit", "Help"}));
    EXPECT_EQ(MenuTexts(GetSubMenu(bar, 0)), (std::vector<std::string>{"New", "-", "Import", "Export", "-", "Exit"}));
    EXPECT_EQ(MenuTexts(GetSubMenu(bar, 1)), (std::vector<std::string>{"Edit", "Delete"}));
    EXPECT_EQ(MenuTexts(GetSubMenu(bar, 2)), (std::vector<std::string>{"Tolvern WebSite", "-", "Donate", "-",
                                                                       "Feedback && Suggestion", "-", "About"}));
    EXPECT_FALSE(form_->settingsItem.visible);
    EXPECT_FALSE(form_->videoTutorialsItem.visible);
}

// What the tray shows while a key macro plays, seen from inside its wait.
struct PlayingSeen {
    MainForm* form = nullptr;
    bool stopEnabled = false;
    std::string tip;
};
PlayingSeen* playingSeen = nullptr;

void CALLBACK LookWhilePlaying(HWND, UINT, UINT_PTR timer, DWORD) {
    KillTimer(nullptr, timer);
    PlayingSeen& seen = *playingSeen;
    seen.form->UpdateTrayMenu();
    seen.stopEnabled = !(GetMenuState(seen.form->TrayMenu(), MainForm::cmStopMacro, MF_BYCOMMAND) & MF_GRAYED);
    seen.tip = seen.form->TrayIconData().Data().szTip;
    // As the tray menu's item does.
    PostMessageA(seen.form->Handle(), WM_COMMAND, MAKEWPARAM(MainForm::cmStopMacro, 0), 0);
}

TEST_F(MainWindowTest, TrayMenuStopMacroComesAfterDisableAllAndWorksOnlyWhileAMacroPlays) {
    Start(Line(1, "-1", "KEYEVN", kF13, "Active Window|Active Window|Once|0|{DELAY5000}", "Long wait"));
    EXPECT_EQ(MenuTexts(form_->TrayMenu()),
              (std::vector<std::string>{"Show/Hide", "Disable all / Enable all", "Stop macro", "Exit"}));
    form_->UpdateTrayMenu();
    EXPECT_TRUE(GetMenuState(form_->TrayMenu(), MainForm::cmStopMacro, MF_BYCOMMAND) & MF_GRAYED);

    PlayingSeen seen;
    seen.form = form_;
    playingSeen = &seen;
    SetTimer(nullptr, 0, 100, LookWhilePlaying);
    const DWORD start = GetTickCount();
    form_->Binding().RunMacroRegisteredAs(std::uint16_t(form_->Binding().table.Macros[0].UniqueID));
    playingSeen = nullptr;
    EXPECT_LT(GetTickCount() - start, 2000u) << "the stop did not end the delay";
    EXPECT_TRUE(seen.stopEnabled);
    EXPECT_EQ(seen.tip, PlayingTrayTip(title_, "Long wait"));
    EXPECT_STREQ(form_->TrayIconData().Data().szTip, TrayTip(title_).c_str());
}

TEST_F(MainWindowTest, RowsShowTheLoadedMacrosAndTheFileGetsTheNewIdentifiers) {
    const std::string text = Line(1, "-1", "RUNPRG", kF13, "C:\\Tools\\report.exe", "Run it") +
                             Line(2, "0", "BOGUS1", kF14, "data", "Odd kind") +
                             Line(3, "-1", "OPNURL", kF13, "http://example.com/", "Same shortcut");
    WindowWatcher watcher;
    Start(text);
    const std::vector<SeenWindow> seen = watcher.Seen();
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].text, "Line 2 of " + listPath_ +
                                " has the unknown action kind \"BOGUS1\". It is kept as it is and runs nothing.");
    const HWND list = form_->ListView();
    ASSERT_EQ(RowCount(list), 3);
    Win32HotKeyApi api;
    const ModifierNames names = ReadModifierNames(api);
    const std::string f13 = HotKeyToText(api, names, kF13);
    const std::string first = CellText(list, 0, 4);

    const std::vector<std::vector<std::string>> expected = {
        {"1", f13, "Run Program", "Run it", first},
        {"2", HotKeyToText(api, names, kF14), "Unknown (BOGUS1)", "Odd kind", "0"},  // switched off: not registered
        {"3", f13, "Open URL", "Same shortcut", "0"},                                // the shortcut is taken by row 1
    };
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 5; ++column) {
            EXPECT_EQ(CellText(list, row, column), expected[row][column]) << row << "," << column;
        }
    }
    EXPECT_TRUE(ListView_GetCheckState(list, 0));
    EXPECT_FALSE(ListView_GetCheckState(list, 1));
    EXPECT_TRUE(ListView_GetCheckState(list, 2));  // on, but refused: the box below says so
    EXPECT_GE(std::stoul(first), 0xC000u);
    EXPECT_EQ(ReadBytes(listPath_), Line(std::stoul(first), "-1", "RUNPRG", kF13, "C:\\Tools\\report.exe", "Run it") +
                                        Line(2, "0", "BOGUS1", kF14, "data", "Odd kind") +  // kept as it was
                                        Line(0, "-1", "OPNURL", kF13, "http://example.com/", "Same shortcut"));
    EXPECT_TRUE(TrayIconPresent(form_->Handle()));
    // The refused shortcut is named with its holder.
    EXPECT_EQ(watcher.Texts(),
              std::vector<std::string>{"These macros do not run because their shortcut could not be registered:\n"
                                       "\"Same shortcut\": " +
                                       f13 + " is used by the macro \"Run it\"."});
}

TEST_F(MainWindowTest, TrayRecordHasTheFirstVersionsSize) {
    Start();
    const NOTIFYICONDATAA& data = form_->TrayIconData().Data();
    EXPECT_EQ(data.cbSize, offsetof(NOTIFYICONDATAA, szTip) + 64);
#ifndef _WIN64
    EXPECT_EQ(data.cbSize, 88u);
#endif
    EXPECT_EQ(data.hWnd, form_->Handle());
    EXPECT_EQ(data.uID, 0u);
    EXPECT_EQ(data.uFlags, 7u);
    EXPECT_EQ(data.uCallbackMessage, 1025u);
    EXPECT_STREQ(data.szTip, TrayTip(title_).c_str());
}

TEST_F(MainWindowTest, IconComesBackWhenTheShellRestarts) {
    Start();
    const HWND main = form_->Handle();
    ASSERT_TRUE(TrayIconPresent(main));
    // A restarted shell knows no icons.
    NOTIFYICONDATAA gone = form_->TrayIconData().Data();
    ASSERT_TRUE(Shell_NotifyIconA(NIM_DELETE, &gone));
    ASSERT_FALSE(TrayIconPresent(main));
    SendMessageA(main, RegisterWindowMessageA("TaskbarCreated"), 0, 0);
    EXPECT_TRUE(TrayIconPresent(main));
}

TEST_F(MainWindowTest, DestroyRemovesTheIconAndReleasesEveryShortcut) {
    const std::string text = Line(0, "-1", "RUNPRG", kF13, "x.exe", "") + Line(0, "-1", "RUNPRG", kF14, "y.exe", "");
    Start(text);
    const HWND main = form_->Handle();
    Stop();  // the main window goes, then the dispatcher with every registration
    EXPECT_FALSE(TrayIconPresent(main));
    for (UINT vk : {VK_F13, VK_F14}) {
        EXPECT_TRUE(RegisterHotKey(nullptr, 0x7001, MOD_CONTROL | MOD_SHIFT | MOD_ALT, vk)) << vk;
        UnregisterHotKey(nullptr, 0x7001);
    }
}

TEST_F(MainWindowTest, LoadStoppedByAMalformedLineStillAddsTheIcon) {
    WindowWatcher watcher;
    const std::string text = Line(0, "-1", "RUNPRG", kF13, "x.exe", "ok") + "0;-1;RUNPRG\r\n";
    Start(text);
    EXPECT_TRUE(TrayIconPresent(form_->Handle()));
    EXPECT_EQ(RowCount(form_->ListView()), 1);
    const std::vector<SeenWindow> seen = watcher.Seen();
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].caption, title_);
    EXPECT_EQ(seen[0].text, "Error on file:" + listPath_ + ", line 2.");
}

TEST_F(MainWindowTest, LoadStoppedByAConversionErrorShowsAnErrorBoxAndStillAddsTheIcon) {
    WindowWatcher watcher;
    const std::string text = Line(0, "-1", "RUNPRG", kF13, "x.exe", "ok") + Line(0, "yes", "RUNPRG", kF14, "y", "");
    Start(text);
    EXPECT_TRUE(TrayIconPresent(form_->Handle()));
    EXPECT_EQ(RowCount(form_->ListView()), 1);
    const std::vector<SeenWindow> seen = watcher.Seen();
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].caption, title_);
    EXPECT_EQ(seen[0].text, "'yes' is not a valid boolean value (" + listPath_ + ", line 2).");
}

TEST_F(MainWindowTest, ShownMeansDisabled) {
    Start();
    const HWND main = form_->Handle();
    const HWND app = application_->Handle();

    // From the tray.
    form_->OnShowHide();
    Pump();
    EXPECT_TRUE(Shown());
    EXPECT_TRUE(IsWindowVisible(app));  // the taskbar button
    EXPECT_TRUE(form_->AllDisabled());
    EXPECT_TRUE(form_->disableAllButton.Down());
    EXPECT_FALSE(form_->enableAllButton.Down());

    // "Enable all" while shown; the close box hides and makes the shortcuts live.
    form_->enableAllButton.Click();
    EXPECT_FALSE(form_->AllDisabled());
    form_->disableAllButton.Click();
    EXPECT_TRUE(form_->AllDisabled());
    SendMessageA(main, WM_CLOSE, 0, 0);
    Pump();
    EXPECT_TRUE(IsWindow(main));
    EXPECT_FALSE(Shown());
    EXPECT_FALSE(IsWindowVisible(app));
    EXPECT_FALSE(form_->AllDisabled());
    EXPECT_TRUE(form_->enableAllButton.Down());
    EXPECT_TRUE(TrayIconPresent(main));

    // The left click on the icon shows it again.
    SendMessageA(main, 1025, 0, WM_LBUTTONDOWN);
    Pump();
    EXPECT_TRUE(Shown());
    EXPECT_TRUE(form_->AllDisabled());

    // Other mouse messages on the icon do nothing.
    SendMessageA(main, WM_CLOSE, 0, 0);
    for (LPARAM mouse : {WM_MOUSEMOVE, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_MBUTTONDOWN}) {
        SendMessageA(main, 1025, 0, mouse);
    }
    Pump();
    EXPECT_FALSE(Shown());
    EXPECT_FALSE(form_->AllDisabled());

    // Minimising hides into the tray and makes the shortcuts live.
    form_->OnShowHide();
    Pump();
    SendMessageA(main, WM_SYSCOMMAND, SC_MINIMIZE, 0);
    Pump();
    EXPECT_FALSE(Shown());
    EXPECT_FALSE(IsWindowVisible(app));
    EXPECT_FALSE(form_->AllDisabled());
    EXPECT_TRUE(form_->enableAllButton.Down());

    // A restore of the application shows it and disables.
    SendMessageA(app, WM_SYSCOMMAND, SC_RESTORE, reinterpret_cast<LPARAM>(app));
    Pump();
    EXPECT_TRUE(Shown());
    EXPECT_TRUE(form_->AllDisabled());
    EXPECT_TRUE(form_->disableAllButton.Down());
}

TEST_F(MainWindowTest, TrayToggleChangesTheFlagButNotTheButtons) {
    Start();
    form_->OnShowHide();
    Pump();
    ASSERT_TRUE(form_->AllDisabled());
    form_->OnToggleAll();
    EXPECT_FALSE(form_->AllDisabled());
    EXPECT_TRUE(form_->disableAllButton.Down());
    form_->OnToggleAll();
    EXPECT_TRUE(form_->AllDisabled());
    // Show/Hide on a shown window leaves it on screen.
    form_->OnShowHide();
    Pump();
    EXPECT_TRUE(Shown());
}

TEST_F(MainWindowTest, OnlyTheExactShowWindowTextShowsTheWindow) {
    Start();
    auto send = [&](const char* text, DWORD size) {
        COPYDATASTRUCT data = {0, size, const_cast<char*>(text)};
        const LRESULT result = SendMessageA(form_->Handle(), WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data));
        Pump();
        return result;
    };
    EXPECT_EQ(send("showwindow", 11), 0);
    EXPECT_FALSE(Shown());
    EXPECT_EQ(send("SHOWWINDOWS", 12), 0);
    EXPECT_FALSE(Shown());
    EXPECT_EQ(send("SHOWWINDOW", 11), 0);
    EXPECT_TRUE(Shown());
    EXPECT_TRUE(form_->AllDisabled());
}

TEST_F(MainWindowTest, DeleteRemovesTheSelectedRowAndRenumbers) {
    const std::string text = Line(0, "-1", "RUNPRG", kF13, "a.exe", "first") +
                             Line(0, "-1", "RUNPRG", kF14, "b.exe", "second") +
                             Line(0, "-1", "RUNPRG", kF15, "c.exe", "third");
    Start(text);
    const HWND list = form_->ListView();
    // Without a selection nothing happens.
    Command(MainForm::cmMenuDelete);
    ASSERT_EQ(RowCount(list), 3);

    SelectRow(list, 1);
    {
        WindowWatcher watcher(IDNO);
        Command(MainForm::cmMenuDelete);
        EXPECT_EQ(watcher.Texts(), std::vector<std::string>{"Delete the macro \"second\"?"});
        ASSERT_EQ(RowCount(list), 3);  // No keeps it
    }
    WindowWatcher watcher(IDYES);
    Command(MainForm::cmMenuDelete);
    ASSERT_EQ(RowCount(list), 2);
    EXPECT_EQ(CellText(list, 0, 0), "1");
    EXPECT_EQ(CellText(list, 0, 3), "first");
    EXPECT_EQ(CellText(list, 1, 0), "2");
    EXPECT_EQ(CellText(list, 1, 3), "third");
    EXPECT_EQ(form_->SelectedSlot(), -1);
    const std::string file = ReadBytes(listPath_);
    EXPECT_EQ(file, Line(std::stoul(CellText(list, 0, 4)), "-1", "RUNPRG", kF13, "a.exe", "first") +
                        Line(std::stoul(CellText(list, 1, 4)), "-1", "RUNPRG", kF15, "c.exe", "third"));
}

TEST_F(MainWindowTest, EditWithoutSelectionDoesNothingAndWithOneSetsTheEditedSlot) {
    const std::string text =
        Line(0, "-1", "RUNPRG", kF13, "a.exe", "first") + Line(0, "-1", "RUNPRG", kF14, "b.exe", "second");
    Start(text);
    form_->Binding().table.EditIndex = -1;
    Command(MainForm::cmMenuEdit);
    EXPECT_EQ(form_->Binding().table.EditIndex, -1);
    SelectRow(form_->ListView(), 1);
    WindowWatcher watcher;  // closes the editor that Edit opens
    Command(MainForm::cmMenuEdit);
    EXPECT_EQ(form_->Binding().table.EditIndex, 1);
}

TEST_F(MainWindowTest, SettingsOpensAnEmptyModalWindow) {
    Start();
    WindowWatcher watcher;
    form_->OnSettings();  // returns once the watcher has closed it
    const std::vector<SeenWindow> seen = watcher.Seen();
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].className, "TfrmSettings");
    EXPECT_EQ(seen[0].caption, "Settings");
    EXPECT_EQ(seen[0].width, 434);
    EXPECT_EQ(seen[0].height, 320);
    EXPECT_TRUE(IsWindowEnabled(form_->Handle()));
}

TEST_F(MainWindowTest, ExitEndsTheMessageLoop) {
    Start();
    Command(MainForm::cmExit);
    EXPECT_TRUE(Loop().Terminated());
}

}  // namespace
}  // namespace kv
