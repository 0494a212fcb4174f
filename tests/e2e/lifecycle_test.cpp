// Start-up, the single-instance rule and Exit of the real program.
#include <windows.h>
#include <commctrl.h>
#include <tlhelp32.h>

#include <string>
#include <vector>

#include "keyvane_instance.h"

namespace kv::e2e {
namespace {

// The identifier (first piece) of each line of a list file, and each line
// without it.
struct ListLines {
    std::vector<unsigned long> ids;
    std::vector<std::string> rests;
};

ListLines SplitIds(const std::string& text) {
    ListLines lines;
    size_t at = 0;
    while (at < text.size()) {
        size_t end = text.find("\r\n", at);
        if (end == std::string::npos) end = text.size();
        const std::string line = text.substr(at, end - at);
        const size_t semicolon = line.find(';');
        lines.ids.push_back(std::stoul(line.substr(0, semicolon)));
        lines.rests.push_back(line.substr(semicolon));
        at = end + 2;
    }
    return lines;
}

// Whether a process has loaded a library of this file name.
bool HasLoaded(DWORD processId, const char* fileName) {
    const HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPMODULE, processId);
    if (snapshot == INVALID_HANDLE_VALUE) return false;
    MODULEENTRY32 module = {};
    module.dwSize = sizeof(module);
    bool found = false;
    for (BOOL more = Module32First(snapshot, &module); more && !found; more = Module32Next(snapshot, &module)) {
        found = lstrcmpiA(module.szModule, fileName) == 0;
    }
    CloseHandle(snapshot);
    return found;
}

using Lifecycle = KeyvaneTest;

TEST_F(Lifecycle, StartsWithoutAVisibleWindowAndRewritesTheFileWithNewIdentifiers) {
    const std::string text = ListLine(1, "-1", "RUNPRG", kShortcutA, "C:\\Tools\\report.exe", "one") +
                             ListLine(2, "0", "OPNURL", kShortcutB, "http://example.com/", "two");
    Start(text);
    EXPECT_TRUE(VisibleTopLevelWindows(keyvane->ProcessId()).empty());
    EXPECT_FALSE(IsWindowVisible(keyvane->MainWindow()));
    EXPECT_FALSE(IsWindowVisible(keyvane->ApplicationWindow()));

    ASSERT_TRUE(WaitUntil([&] { return ReadFileText(folder.ListFile()) != text; }));
    const ListLines before = SplitIds(text);
    const ListLines after = SplitIds(ReadFileText(folder.ListFile()));
    EXPECT_EQ(after.rests, before.rests);
    ASSERT_EQ(after.ids.size(), 2u);
    EXPECT_GE(after.ids[0], 0xC000ul);
    EXPECT_LE(after.ids[0], 0xFFFFul);
    // The macro switched off holds no registration: its shortcut is free.
    EXPECT_EQ(after.ids[1], 0ul);
    EXPECT_FALSE(ShortcutIsFree(kShortcutA));
    EXPECT_TRUE(ShortcutIsFree(kShortcutB));
}

TEST_F(Lifecycle, SecondStartShowsTheFirstInstanceAndEndsWithZero) {
    Start(ListLine(0, "-1", "RUNPRG", kShortcutA, "C:\\Tools\\report.exe", "one"));
    const std::string listBefore = ReadFileText(folder.ListFile());

    EXPECT_EQ(RunToEnd(folder), 0u);
    EXPECT_TRUE(WaitUntil([&] { return IsWindowVisible(keyvane->MainWindow()) != FALSE; }));
    EXPECT_TRUE(IsWindowVisible(keyvane->ApplicationWindow()));  // the taskbar button
    EXPECT_TRUE(keyvane->Running());
    // The second start touched nothing: one main window, the same list file.
    int mainWindows = 0;
    for (HWND w = nullptr; (w = FindWindowExA(nullptr, w, "TfrmKeyvaneMain", nullptr)) != nullptr;) ++mainWindows;
    EXPECT_EQ(mainWindows, 1);
    EXPECT_EQ(ReadFileText(folder.ListFile()), listBefore);
}

// While the program sits in the tray its window has no controls and the
// common controls library (over a megabyte) is not loaded; the first show
// makes the list with every macro in it.
TEST_F(Lifecycle, TheWindowsControlsAndTheirLibraryComeWithTheFirstShow) {
    Start(ListLine(0, "-1", "RUNPRG", kShortcutA, "C:\\Tools\\report.exe", "one") +
          ListLine(0, "0", "OPNURL", kShortcutB, "http://example.com/", "two"));
    ASSERT_TRUE(HasLoaded(keyvane->ProcessId(), "user32.dll")) << "the process's libraries cannot be listed";
    EXPECT_FALSE(HasLoaded(keyvane->ProcessId(), "comctl32.dll"));
    EXPECT_EQ(FindWindowExA(keyvane->MainWindow(), nullptr, WC_LISTVIEWA, nullptr), nullptr);
    EXPECT_FALSE(ShortcutIsFree(kShortcutA));  // the shortcuts work without it

    ASSERT_EQ(RunToEnd(folder), 0u);
    ASSERT_TRUE(WaitUntil([&] { return IsWindowVisible(keyvane->MainWindow()) != FALSE; }));
    const HWND list = FindWindowExA(keyvane->MainWindow(), nullptr, WC_LISTVIEWA, nullptr);
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0), 2);
    EXPECT_TRUE(HasLoaded(keyvane->ProcessId(), "comctl32.dll"));
}

TEST_F(Lifecycle, ShowWindowInLowerCaseDoesNothing) {
    Start(nullptr);
    auto send = [&](const char* text) {
        COPYDATASTRUCT data = {0, DWORD(std::string(text).size() + 1), const_cast<char*>(text)};
        return SendMessageA(keyvane->MainWindow(), WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data));
    };
    EXPECT_EQ(send("showwindow"), 0);
    Sleep(500);
    EXPECT_FALSE(IsWindowVisible(keyvane->MainWindow()));
    EXPECT_EQ(send("SHOWWINDOW"), 0);
    EXPECT_TRUE(WaitUntil([&] { return IsWindowVisible(keyvane->MainWindow()) != FALSE; }));
}

TEST_F(Lifecycle, ExitReleasesEveryShortcutRemovesTheIconAndLeavesTheFileUnchanged) {
    Start(ListLine(0, "-1", "RUNPRG", kShortcutA, "C:\\Tools\\report.exe", "one") +
          ListLine(0, "-1", "KEYEVN", kShortcutB, "abc", "two"));
    ASSERT_TRUE(WaitUntil([&] { return !ShortcutIsFree(kShortcutB); }));
    const std::string listBefore = ReadFileText(folder.ListFile());
    const HWND main = keyvane->MainWindow();

    ASSERT_TRUE(keyvane->Exit());
    EXPECT_EQ(keyvane->ExitCode(), 0u);
    EXPECT_TRUE(ShortcutIsFree(kShortcutA));
    EXPECT_TRUE(ShortcutIsFree(kShortcutB));
    EXPECT_FALSE(TrayIconPresent(main));
    EXPECT_EQ(ReadFileText(folder.ListFile()), listBefore);
}

TEST_F(Lifecycle, ExitEndsAtOnceAlsoWhileTheWindowIsShown) {
    Start(nullptr);
    ASSERT_EQ(RunToEnd(folder), 0u);
    ASSERT_TRUE(WaitUntil([&] { return IsWindowVisible(keyvane->MainWindow()) != FALSE; }));
    ASSERT_TRUE(keyvane->Exit());
    EXPECT_EQ(keyvane->ExitCode(), 0u);
}

}  // namespace
}  // namespace kv::e2e
