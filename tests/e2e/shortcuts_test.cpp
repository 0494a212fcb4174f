// Shortcut presses injected into the system's input stream reach the real
// program and run their macros, unless its window is on screen.
#include <algorithm>
#include <string>
#include <vector>

#include "keyvane_instance.h"

namespace kv::e2e {
namespace {

bool Contains(const std::vector<std::string>& lines, const std::string& line) {
    return std::find(lines.begin(), lines.end(), line) != lines.end();
}

using Shortcuts = KeyvaneTest;

TEST_F(Shortcuts, PressStartsAProgramAndOpensAUrlThroughItsSchemeHandler) {
    const std::string mark = folder.AddMarkHelper("mark.exe");
    UrlScheme scheme("kve2e", mark);
    Start(ListLine(0, "-1", "RUNPRG", kShortcutA, mark, "start the mark") +
          ListLine(0, "-1", "OPNURL", kShortcutB, "kve2e://hello/world", "open a url"));

    PressShortcut(kShortcutA);
    EXPECT_TRUE(WaitUntil([&] { return Contains(folder.Marks(), "mark.exe"); }));
    PressShortcut(kShortcutB);
    EXPECT_TRUE(WaitUntil([&] { return Contains(folder.Marks(), "mark.exe|kve2e://hello/world"); }))
        << "marks: " << folder.Marks().size();
}

TEST_F(Shortcuts, ShownWindowRunsNothingAndTheCloseBoxMakesThemLiveAgain) {
    const std::string mark = folder.AddMarkHelper("mark.exe");
    Start(ListLine(0, "-1", "RUNPRG", kShortcutA, mark, ""));
    const HWND main = keyvane->MainWindow();

    ASSERT_EQ(RunToEnd(folder), 0u);  // shows the window
    ASSERT_TRUE(WaitUntil([&] { return IsWindowVisible(main) != FALSE; }));
    PressShortcut(kShortcutA);
    Sleep(1500);
    EXPECT_TRUE(folder.Marks().empty());

    PostMessageA(main, WM_CLOSE, 0, 0);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindowVisible(main); }));
    EXPECT_TRUE(keyvane->Running());
    EXPECT_TRUE(TrayIconPresent(main));
    PressShortcut(kShortcutA);
    EXPECT_TRUE(WaitUntil([&] { return Contains(folder.Marks(), "mark.exe"); }));
}

TEST_F(Shortcuts, TwoMacrosOnOneShortcutLoadAndOnlyTheFirstRuns) {
    const std::string first = folder.AddMarkHelper("first.exe");
    const std::string second = folder.AddMarkHelper("second.exe");
    Start(ListLine(7, "-1", "RUNPRG", kShortcutC, first, "first") +
          ListLine(8, "-1", "RUNPRG", kShortcutC, second, "second"));

    // The second registration was refused: its identifier is 0.
    const std::string list = ReadFileText(folder.ListFile());
    const size_t secondLine = list.find("\r\n") + 2;
    EXPECT_EQ(list.substr(secondLine, 2), "0;") << list;
    EXPECT_GE(std::stoul(list.substr(0, list.find(';'))), 0xC000ul) << list;

    PressShortcut(kShortcutC);
    EXPECT_TRUE(WaitUntil([&] { return Contains(folder.Marks(), "first.exe"); }));
    Sleep(500);
    EXPECT_FALSE(Contains(folder.Marks(), "second.exe"));
}

TEST_F(Shortcuts, MacroSwitchedOffLeavesItsShortcutFreeAndRunsNothing) {
    const std::string mark = folder.AddMarkHelper("mark.exe");
    Start(ListLine(0, "0", "RUNPRG", kShortcutD, mark, "disabled") +
          ListLine(0, "-1", "RUNPRG", kShortcutA, mark, "enabled"));
    EXPECT_TRUE(ShortcutIsFree(kShortcutD));
    PressShortcut(kShortcutD);
    PressShortcut(kShortcutA);
    ASSERT_TRUE(WaitUntil([&] { return Contains(folder.Marks(), "mark.exe"); }));
    Sleep(500);
    EXPECT_EQ(folder.Marks().size(), 1u);
}

}  // namespace
}  // namespace kv::e2e
