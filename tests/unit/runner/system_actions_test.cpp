// "Restart Windows", "Shut down Windows" and "Clear Clipboard": the questions,
// the answers and the system's refusals. The session is only ever ended on
// the fake.
#include <gtest/gtest.h>

#include "platform/fake/FakeShell.h"
#include "platform/fake/FakeSystem.h"
#include "runner/SystemActions.h"
#include "runner_fixture.h"

namespace kv {
namespace {

using Ends = std::vector<SessionEnd>;

struct Case {
    const char* payload;
    std::deque<bool> answers;
    const char* question;  // "" for none
    Ends ends;
    int clears;
};

TEST(SystemActions, AskFirstOnlyWithTheFlagAndDoNothingOnNo) {
    const Case cases[] = {
        {"Restart Windows|0", {}, "", {SessionEnd::Restart}, 0},
        {"Shut down Windows|0", {}, "", {SessionEnd::ShutDown}, 0},
        {"Restart Windows|-1", {true}, "Restart Windows now?", {SessionEnd::Restart}, 0},
        {"Restart Windows|-1", {false}, "Restart Windows now?", {}, 0},
        {"Shut down Windows|-1", {true}, "Shut down Windows now?", {SessionEnd::ShutDown}, 0},
        {"Shut down Windows|-1", {false}, "Shut down Windows now?", {}, 0},
        // Any flag other than "-1" does not ask, as the editor shows it.
        {"Shut down Windows|1", {}, "", {SessionEnd::ShutDown}, 0},
        // Clearing the clipboard never asks.
        {"Clear Clipboard|-1", {}, "", {}, 1},
        {"Clear Clipboard|0", {}, "", {}, 1},
        {"Clear Clipboard", {}, "", {}, 1},
        // Unknown actions, in whatever case, do nothing.
        {"shut down windows|-1", {}, "", {}, 0},
        {"Log off|0", {}, "", {}, 0},
        {"", {}, "", {}, 0},
        {"|-1", {}, "", {}, 0},
    };
    for (const Case& c : cases) {
        FakeSystem system;
        FakeShell shell;
        system.answers = c.answers;
        PlaySystemAction(system, shell, "Keyvane", c.payload);
        if (*c.question) {
            ASSERT_EQ(system.questions.size(), 1u) << c.payload;
            EXPECT_EQ(system.questions[0].text, c.question) << c.payload;
            EXPECT_EQ(system.questions[0].caption, "Keyvane") << c.payload;
        } else {
            EXPECT_TRUE(system.questions.empty()) << c.payload;
        }
        EXPECT_EQ(system.sessionEnds, c.ends) << c.payload;
        EXPECT_EQ(system.clipboardClears, c.clears) << c.payload;
        EXPECT_TRUE(shell.boxes.empty()) << c.payload;
    }
}

TEST(SystemActions, ARefusalShowsTheSystemsReason) {
    FakeSystem system;
    FakeShell shell;
    system.sessionError = "A required privilege is not held by the client";
    system.answers = {true};
    PlaySystemAction(system, shell, "Keyvane", "Shut down Windows|-1");
    EXPECT_TRUE(system.sessionEnds.empty());
    ASSERT_EQ(shell.boxes.size(), 1u);
    EXPECT_EQ(shell.boxes[0].text, "A required privilege is not held by the client.");
    EXPECT_EQ(shell.boxes[0].caption, "Keyvane");
    EXPECT_EQ(shell.boxes[0].icon, MessageIcon::Error);

    shell.boxes.clear();
    system.clipboardError = "Access is denied.";
    PlaySystemAction(system, shell, "Keyvane", "Clear Clipboard|0");
    EXPECT_EQ(system.clipboard, "held text");
    ASSERT_EQ(shell.boxes.size(), 1u);
    EXPECT_EQ(shell.boxes[0].text, "Access is denied.");
}

using SystemMacroTest = RunnerFixture;

TEST_F(SystemMacroTest, MacrosReachTheSystemUnderTheApplicationTitle) {
    runner->RunMacro(true, "MISCEL", kCtrlShiftF5, 0xC000, "Clear Clipboard|-1", "");
    EXPECT_EQ(system.clipboard, "");
    runner->RunMacro(true, "MISCEL", kCtrlShiftF6, 0xC001, "Shut down Windows|-1", "");
    ASSERT_EQ(system.questions.size(), 1u);
    EXPECT_EQ(system.questions[0].caption, "Keyvane");
    EXPECT_TRUE(system.sessionEnds.empty());
    EXPECT_TRUE(shell.boxes.empty());
}

TEST_F(SystemMacroTest, KeyAndMouseMacrosAskWhetherTheForegroundWindowIsElevated) {
    system.foregroundElevated = true;
    system.foregroundTitle = "Registry Editor";
    runner->RunMacro(true, "KEYEVN", kCtrlShiftF5, 0xC000, "Active Window|Active Window|Once|0|abc", "");
    runner->RunMacro(true, "MOUSEE", kCtrlShiftF6, 0xC001, "Once|0|{X:1,Y:1}|{LBUTTON}", "");
    EXPECT_TRUE(input.keys.empty());
    EXPECT_TRUE(input.mouse.empty());
    EXPECT_EQ(system.balloons.size(), 2u);
    EXPECT_EQ(system.balloons[0], "Keyvane cannot send keys to \"Registry Editor\": it runs as administrator.");
    EXPECT_TRUE(shell.boxes.empty());
}

}  // namespace
}  // namespace kv
