// "Minimize all Windows" and "Restore all Windows" over a simulated desktop:
// which windows go down, which come back, and in what order.
#include <gtest/gtest.h>

#include "platform/fake/FakeTopLevelWindows.h"
#include "runner/WindowActions.h"
#include "runner_fixture.h"

namespace kv {
namespace {

using Calls = std::vector<FakeTopLevelWindows::Call>;
using Handles = std::vector<WindowHandle>;

class WindowActionsTest : public ::testing::Test {
protected:
    // Front to back: 1, 2, 3 (windows of other programs), then this
    // program's own window 9, a window without a minimise box 4, a hidden
    // window 5 and a window the user minimised 6.
    WindowActionsTest() {
        desktop.Open(6);
        desktop.windows.front().minimized = true;
        desktop.Open(5);
        desktop.windows.front().visible = false;
        desktop.Open(4, false);
        desktop.Open(9);
        desktop.windows.front().ours = true;
        desktop.Open(3);
        desktop.Open(2);
        desktop.Open(1);
        desktop.calls.clear();
    }

    FakeTopLevelWindows desktop;
    WindowActions actions{desktop};
};

TEST_F(WindowActionsTest, MinimizeTakesDownTheOtherProgramsMinimisableWindows) {
    actions.MinimizeAll();
    EXPECT_EQ(desktop.calls, (Calls{{"minimize", 3}, {"minimize", 2}, {"minimize", 1}}));
    EXPECT_EQ(actions.Remembered(), (Handles{1, 2, 3}));
}

TEST_F(WindowActionsTest, RestoreBringsThemBackInTheirOldOrderWithTheFrontOneInFront) {
    actions.MinimizeAll();
    desktop.calls.clear();
    actions.RestoreAll();
    EXPECT_EQ(desktop.calls, (Calls{{"restore", 3}, {"restore", 2}, {"restore", 1}, {"front", 1}}));
    EXPECT_EQ(desktop.ZOrder(), (Handles{1, 2, 3, 9, 4, 5, 6}));
    EXPECT_EQ(desktop.foreground, WindowHandle(1));
    // The window the user had minimised stays down.
    EXPECT_TRUE(desktop.IsMinimized(6));
    EXPECT_FALSE(actions.Remembering());
}

TEST_F(WindowActionsTest, WindowsClosedOrBroughtBackMeanwhileAreLeftAlone) {
    actions.MinimizeAll();
    desktop.Close(2);
    desktop.Restore(3);  // by the user
    desktop.calls.clear();
    actions.RestoreAll();
    EXPECT_EQ(desktop.calls, (Calls{{"restore", 1}, {"front", 1}}));
}

TEST_F(WindowActionsTest, WithNothingMinimisedBeforeEveryMinimisedWindowIsRestored) {
    desktop.Minimize(2);
    desktop.Minimize(3);
    desktop.calls.clear();
    actions.RestoreAll();
    // Hidden and own windows are not touched; back to front, the front one last.
    EXPECT_EQ(desktop.calls, (Calls{{"restore", 6}, {"restore", 3}, {"restore", 2}, {"front", 2}}));
}

TEST_F(WindowActionsTest, WhenAllAreGoneRestoreDoesNothing) {
    actions.MinimizeAll();
    for (WindowHandle w : {1, 2, 3}) desktop.Close(w);
    desktop.calls.clear();
    actions.RestoreAll();
    EXPECT_TRUE(desktop.calls.empty());
    // Forgotten: the next restore brings back every minimised window.
    actions.RestoreAll();
    EXPECT_EQ(desktop.calls, (Calls{{"restore", 6}, {"front", 6}}));
}

TEST_F(WindowActionsTest, ASecondMinimiseAddsItsWindowsInFront) {
    actions.MinimizeAll();
    desktop.Open(7);  // a window opened meanwhile
    desktop.calls.clear();
    actions.MinimizeAll();
    EXPECT_EQ(desktop.calls, (Calls{{"minimize", 7}}));
    EXPECT_EQ(actions.Remembered(), (Handles{7, 1, 2, 3}));
    desktop.calls.clear();
    actions.RestoreAll();
    EXPECT_EQ(desktop.calls, (Calls{{"restore", 3}, {"restore", 2}, {"restore", 1}, {"restore", 7}, {"front", 7}}));
}

TEST_F(WindowActionsTest, PayloadChoosesTheActionByItsExactText) {
    for (const char* payload : {"", "minimize all windows", "Minimize all Windows ", "Other"}) {
        actions.Play(payload);
        EXPECT_TRUE(desktop.calls.empty()) << payload;
    }
    actions.Play("Minimize all Windows");
    EXPECT_EQ(desktop.calls.size(), 3u);
    desktop.calls.clear();
    actions.Play("Restore all Windows");
    EXPECT_EQ(desktop.calls.size(), 4u);
}

using WindowMacroTest = RunnerFixture;

TEST_F(WindowMacroTest, RestoreMacroBringsBackWhatTheMinimiseMacroTookDown) {
    windows.Open(2);
    windows.Open(1);
    windows.Minimize(1);  // minimised by the user before
    windows.Open(3);
    windows.calls.clear();
    runner->RunMacro(true, "WINACT", kCtrlShiftF5, 0xC000, "Minimize all Windows", "");
    EXPECT_EQ(windows.calls, (Calls{{"minimize", 2}, {"minimize", 3}}));
    windows.calls.clear();
    runner->RunMacro(true, "WINACT", kCtrlShiftF6, 0xC001, "Restore all Windows", "");
    EXPECT_EQ(windows.calls, (Calls{{"restore", 2}, {"restore", 3}, {"front", 3}}));
    EXPECT_TRUE(windows.IsMinimized(1));
    EXPECT_TRUE(shell.boxes.empty());
}

}  // namespace
}  // namespace kv
