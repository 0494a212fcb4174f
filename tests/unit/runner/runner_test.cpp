#include <algorithm>

#include "runner_fixture.h"

namespace kv {
namespace {

using RunMacroTest = RunnerFixture;

int KeyDowns(const FakeInput& input, std::uint8_t virtualKey) {
    return int(std::count_if(input.keys.begin(), input.keys.end(), [&](const KeyEvent& e) {
        return e.virtualKey == virtualKey && !(e.flags & kKeyEventKeyUp);
    }));
}

TEST_F(RunMacroTest, PicksThePlayerByKindCode) {
    struct Case {
        const char* kind;
        const char* payload;
        int opened;
        bool typed;
    } cases[] = {
        {"RUNPRG", "C:\\Tools\\report.exe|C:\\Tools\\backup.bat", 2, false},
        {"OPNURL", "file:///C:/Docs/index.html", 1, false},
        {"KEYEVN", "Active Window|Active Window|Once|0|ab", 0, true},
        {"WINACT", "Minimize all Windows", 0, false},
        {"MISCEL", "Shut down Windows|-1", 0, false},
        {"runprg", "C:\\x.exe", 0, false},  // codes compare case-sensitively
        {"XXXXXX", "C:\\x.exe", 0, false},
        {"RUNPRG", "", 0, false},
    };
    for (const Case& c : cases) {
        shell.opened.clear();
        input.keys.clear();
        runner->RunMacro(true, c.kind, kCtrlShiftF5, 0xC000, c.payload, "");
        EXPECT_EQ(int(shell.opened.size()), c.opened) << c.kind << " " << c.payload;
        EXPECT_EQ(!input.keys.empty(), c.typed) << c.kind;
        EXPECT_TRUE(shell.boxes.empty()) << c.kind;
    }
}

TEST_F(RunMacroTest, OpensEveryItemInOrderThroughTheShell) {
    runner->RunMacro(true, "RUNPRG", 0, 0xC000, "C:\\Tools\\report.exe|notepad.exe C:\\a.txt", "");
    ASSERT_EQ(shell.opened.size(), 2u);
    EXPECT_EQ(shell.opened[0].file, "C:\\Tools\\report.exe");
    EXPECT_EQ(shell.opened[1].file, "notepad.exe C:\\a.txt");  // passed whole, arguments included
    for (const auto& o : shell.opened) {
        EXPECT_EQ(o.owner, WindowHandle(0x1234));
        EXPECT_EQ(o.verb, "OPEN");
    }
}

TEST_F(RunMacroTest, DisabledSlotRunsNothing) {
    runner->RunMacro(false, "RUNPRG", 0, 0xC000, "C:\\x.exe", "");
    runner->RunMacro(false, "MOUSEE", 0, 0xC001, "Once|0|{X:100,Y:200}|{LBUTTON}", "");
    EXPECT_TRUE(shell.opened.empty());
    EXPECT_TRUE(input.mouse.empty());
}

TEST_F(RunMacroTest, ErrorInsideAMacroEndsItWithTheErrorBox) {
    input.cursor = {0, 0};
    runner->RunMacro(true, "MOUSEE", 0, 0xC000, "Once|0|{X:5,Y:5}|{X:abc,Y:1}|{X:9,Y:9}", "");
    ASSERT_EQ(shell.boxes.size(), 1u);
    EXPECT_EQ(shell.boxes[0].text, "'abc' is not a valid integer value.");
    EXPECT_EQ(shell.boxes[0].caption, "Keyvane");
    EXPECT_EQ(shell.boxes[0].icon, MessageIcon::Error);
    EXPECT_EQ(input.cursor, (Point{5, 5}));  // the items after the bad one are skipped
    EXPECT_FALSE(runner->IsRunning(0xC000));
}

TEST_F(RunMacroTest, CaptureWithTooFewFieldsShowsTheListIndexError) {
    runner->RunMacro(true, "SCRCAP", 0, 0xC000, "JPEG", "");
    ASSERT_EQ(shell.boxes.size(), 1u);
    EXPECT_EQ(shell.boxes[0].text, "List index out of bounds (1).");
}

TEST_F(RunMacroTest, AnotherMacroRunsNestedInsideADelay) {
    std::vector<std::string> order;
    shell.onShellOpen = [&](const std::string& file) { order.push_back("open " + file); };
    loop.onProcessMessages = [&] {
        order.push_back("typed " + std::to_string(KeyDowns(input, 'A')));
        runner->RunMacro(true, "RUNPRG", 0, 0xC001, "inner.exe", "");
    };
    runner->RunMacro(true, "KEYEVN", 0, 0xC000, "Active Window|Active Window|Once|0|a|{DELAY500}|b", "");
    ASSERT_EQ(order.size(), 2u);
    EXPECT_EQ(order[0], "typed 1");
    EXPECT_EQ(order[1], "open inner.exe");
    EXPECT_EQ(KeyDowns(input, 'B'), 1);  // the outer macro resumed afterwards
}

TEST_F(RunMacroTest, RunningMacroIsNotStartedAgainByItsOwnShortcut) {
    int nestedStarts = 0;
    loop.onProcessMessages = [&] {
        ++nestedStarts;
        runner->RunMacro(true, "KEYEVN", 0, 0xC000, "Active Window|Active Window|Once|0|a|{DELAY100}", "");
    };
    runner->RunMacro(true, "KEYEVN", 0, 0xC000, "Active Window|Active Window|Once|0|a|{DELAY100}", "");
    EXPECT_EQ(nestedStarts, 1);
    EXPECT_EQ(KeyDowns(input, 'A'), 1);
    // Once it has ended, the shortcut starts it again.
    runner->RunMacro(true, "KEYEVN", 0, 0xC000, "Active Window|Active Window|Once|0|a", "");
    EXPECT_EQ(KeyDowns(input, 'A'), 2);
}

}  // namespace
}  // namespace kv
