// Stopping key and mouse macros, held shortcuts, and the foreground rule.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "runner_fixture.h"

namespace kv {
namespace {

constexpr std::uint8_t kVkTab = 0x09;
constexpr std::uint8_t kVkShift = 0x10;

int KeyDowns(const FakeInput& input, std::uint8_t vk) {
    int n = 0;
    for (const KeyEvent& e : input.keys) {
        if (e.virtualKey == vk && !(e.flags & kKeyEventKeyUp)) ++n;
    }
    return n;
}

int ButtonEvents(const FakeInput& input, std::uint32_t flags) {
    int n = 0;
    for (const MouseAction& a : input.mouse) {
        if (a.kind == MouseAction::Kind::Button && a.flags == flags) ++n;
    }
    return n;
}

std::string KeyMacro(const std::string& items) { return "Active Window|Active Window|Once|0|" + items; }

class StopTest : public RunnerFixture {
protected:
    StopTest() { loop.wakeEvery = 10; }

    // Runs action on every pass of message dispatch once the condition holds,
    // as a message (an Esc, a menu command) arriving then would.
    void WhenDispatching(std::function<bool()> condition, std::function<void()> action) {
        handler_ = [this, condition, action] {
            if (condition()) {
                action();
            } else {
                loop.onProcessMessages = handler_;
            }
        };
        loop.onProcessMessages = handler_;
    }

    void ExpectNothingHeld() {
        EXPECT_TRUE(input.HeldKeys().empty());
        EXPECT_EQ(ButtonEvents(input, kMouseLeftDown), ButtonEvents(input, kMouseLeftUp));
        EXPECT_EQ(ButtonEvents(input, kMouseRightDown), ButtonEvents(input, kMouseRightUp));
        EXPECT_FALSE(runner->IsPlaying());
        EXPECT_TRUE(shell.boxes.empty()) << "a stop reports nothing";
    }

    std::function<void()> handler_;
};

// Each way of asking: Esc on the keyboard, "Stop macro", the program ending.
class StopWays : public StopTest, public testing::WithParamInterface<const char*> {
protected:
    void Ask() {
        const std::string way = GetParam();
        if (way == "Esc") keyboard.PressEscape();
        if (way == "Stop macro") runner->RequestStop();
        if (way == "WM_QUIT") loop.terminated = true;
    }
};

TEST_P(StopWays, EndsAKeyMacroInItsDelayAndAMouseMacroBetweenClicks) {
    WhenDispatching([&] { return loop.tick >= 100; }, [&] { Ask(); });
    runner->RunMacro(true, "KEYEVN", 0, 0xC000, KeyMacro("a|{DELAY60000}|b"), "");
    EXPECT_EQ(KeyDowns(input, 'A'), 1);
    EXPECT_EQ(KeyDowns(input, 'B'), 0);
    EXPECT_LT(loop.tick, 1000u) << "the delay ended at the stop";
    ExpectNothingHeld();

    loop.terminated = false;
    input.mouse.clear();
    WhenDispatching([&] { return ButtonEvents(input, kMouseLeftUp) == 1; }, [&] { Ask(); });
    runner->RunMacro(true, "MOUSEE", 0, 0xC001, "Repeat until|1000|{LBUTTON}|{RBUTTON}", "");
    EXPECT_EQ(ButtonEvents(input, kMouseLeftDown), 1);
    EXPECT_EQ(ButtonEvents(input, kMouseRightDown), 0);
    ExpectNothingHeld();
}

INSTANTIATE_TEST_SUITE_P(All, StopWays, testing::Values("Esc", "Stop macro", "WM_QUIT"));

TEST_F(StopTest, LongTypingStopsAtTheNextKeyAndReleasesTheHeldModifiers) {
    // The stop arrives while Shift is held by a group, in the middle of an item.
    bool taken = false;
    WhenDispatching([&] { return KeyDowns(input, kVkTab) == 10; }, [&] { taken = keyboard.PressEscape(); });
    runner->RunMacro(true, "KEYEVN", 0, 0xC000, KeyMacro("+({TAB 1000})|x"), "");
    EXPECT_TRUE(taken) << "the Esc that stops the macro is kept from the window it types into";
    EXPECT_FALSE(keyboard.escapeTaken) << "nothing plays any more";
    EXPECT_EQ(KeyDowns(input, kVkTab), 10);
    EXPECT_EQ(KeyDowns(input, 'X'), 0);
    EXPECT_EQ(input.keys.back(), (KeyEvent{kVkShift, input.scanCodes[kVkShift], kKeyEventKeyUp}));
    ExpectNothingHeld();
}

TEST_F(StopTest, RepeatedMacroStopsInsteadOfPlayingEveryRound) {
    WhenDispatching([&] { return KeyDowns(input, 'A') == 3; }, [&] { keyboard.PressEscape(); });
    runner->RunMacro(true, "KEYEVN", 0, 0xC000, "Active Window|Active Window|Repeat|100|a|{DELAY10}", "");
    EXPECT_EQ(KeyDowns(input, 'A'), 3);
    ExpectNothingHeld();
}

TEST_F(StopTest, StopEndsTheNestedMacroAndTheOneItRunsInside) {
    bool innerStarted = false;
    WhenDispatching([&] { return loop.tick >= 10; },
                    [&] {
                        innerStarted = true;
                        WhenDispatching([&] { return KeyDowns(input, 'C') == 1 && loop.tick >= 50; },
                                        [&] { keyboard.PressEscape(); });
                        runner->RunMacro(true, "KEYEVN", 0, 0xC001, KeyMacro("c|{DELAY5000}|d"), "inner");
                    });
    runner->RunMacro(true, "KEYEVN", 0, 0xC000, KeyMacro("a|{DELAY5000}|b"), "outer");
    EXPECT_TRUE(innerStarted);
    EXPECT_EQ(KeyDowns(input, 'D'), 0);
    EXPECT_EQ(KeyDowns(input, 'B'), 0) << "the outer macro went on after the stop";
    EXPECT_LT(loop.tick, 1000u);
    ExpectNothingHeld();

    // Ready for the next shortcut: the stop does not linger.
    runner->RunMacro(true, "KEYEVN", 0, 0xC000, KeyMacro("e"), "");
    EXPECT_EQ(KeyDowns(input, 'E'), 1);
}

TEST_F(StopTest, EscWhileNothingPlaysStopsNothingLater) {
    runner->RunMacro(true, "RUNPRG", 0, 0xC000, "a.exe", "");  // the watch ran only for it
    keyboard.active = true;
    EXPECT_FALSE(keyboard.PressEscape()) << "an Esc that stops nothing goes on to the window";
    runner->RequestStop();
    keyboard.active = false;
    runner->RunMacro(true, "KEYEVN", 0, 0xC001, KeyMacro("a|{DELAY10}|b"), "");
    EXPECT_EQ(KeyDowns(input, 'B'), 1);
}

TEST_F(StopTest, TheKeyboardIsWatchedOnlyWhileAMacroRuns) {
    bool watchedWhilePlaying = false;
    loop.onProcessMessages = [&] { watchedWhilePlaying = keyboard.Active(); };
    runner->RunMacro(true, "KEYEVN", 0, 0xC000, KeyMacro("a"), "");
    EXPECT_TRUE(watchedWhilePlaying);
    EXPECT_FALSE(keyboard.Active());
    EXPECT_EQ(keyboard.starts, 1);
}

TEST_F(StopTest, PlayingStateNamesTheInnermostMacroAndEndsWithIt) {
    std::vector<std::string> seen;
    runner->OnPlayingChanged = [&] { seen.push_back(runner->IsPlaying() ? runner->PlayingDescription() : "-"); };
    WhenDispatching([&] { return loop.tick >= 10; },
                    [&] { runner->RunMacro(true, "MOUSEE", 0, 0xC001, "Once|0|{DELAY20}", "inner"); });
    runner->RunMacro(true, "KEYEVN", 0, 0xC000, KeyMacro("{DELAY50}"), "outer");
    runner->RunMacro(true, "RUNPRG", 0, 0xC002, "a.exe", "not played");
    EXPECT_EQ(seen, (std::vector<std::string>{"outer", "inner", "outer", "-"}));
}

// ---------------------------------------------------------------- held shortcuts

constexpr std::uint8_t kVkF5 = 0x74;

TEST_F(StopTest, HeldShortcutRunsItsMacroOnceUntilItsKeyGoesUp) {
    keyboard.down[kVkF5] = true;  // the user holds Ctrl+Shift+F5
    for (int press = 0; press < 20; ++press) {
        runner->RunMacro(true, "KEYEVN", kCtrlShiftF5, 0xC000, KeyMacro("a"), "");
        loop.Advance(33);  // the keyboard's repeat rate
    }
    EXPECT_EQ(KeyDowns(input, 'A'), 1);
    EXPECT_TRUE(keyboard.Active()) << "watching for the key to go up";

    keyboard.Release(kVkF5);
    EXPECT_FALSE(keyboard.Active());
    runner->RunMacro(true, "KEYEVN", kCtrlShiftF5, 0xC000, KeyMacro("a"), "");
    EXPECT_EQ(KeyDowns(input, 'A'), 2);
}

TEST_F(StopTest, RepeatsWhileTheMacroPlaysAreDroppedAndCountAsPresses) {
    keyboard.down[kVkF5] = true;
    WhenDispatching([&] { return false; }, [] {});
    std::function<void()> repeat = [&] {
        runner->RunMacro(true, "KEYEVN", kCtrlShiftF5, 0xC000, KeyMacro("a"), "");
        loop.onProcessMessages = repeat;
    };
    loop.onProcessMessages = repeat;
    runner->RunMacro(true, "KEYEVN", kCtrlShiftF5, 0xC000, KeyMacro("a|{DELAY3000}"), "");
    loop.onProcessMessages = nullptr;
    // Long after the start, but the last repeat was just now.
    runner->RunMacro(true, "KEYEVN", kCtrlShiftF5, 0xC000, KeyMacro("a"), "");
    EXPECT_EQ(KeyDowns(input, 'A'), 1);
}

TEST_F(StopTest, AMissedReleaseCostsAtMostTheRepeatGap) {
    keyboard.down[kVkF5] = true;
    runner->RunMacro(true, "RUNPRG", kCtrlShiftF5, 0xC000, "a.exe", "");
    loop.Advance(HeldShortcuts::kRepeatGapMs + 1);
    runner->RunMacro(true, "RUNPRG", kCtrlShiftF5, 0xC000, "a.exe", "");
    EXPECT_EQ(shell.opened.size(), 2u);
}

TEST_F(StopTest, QuickTapsEachRunTheirMacro) {
    // The key was up again before the macro started.
    for (int i = 0; i < 3; ++i) runner->RunMacro(true, "RUNPRG", kCtrlShiftF5, 0xC000, "a.exe", "");
    EXPECT_EQ(shell.opened.size(), 3u);
    EXPECT_FALSE(keyboard.Active());
}

TEST_F(StopTest, WithoutAKeyboardWatchEveryPressRuns) {
    keyboard.refuse = true;
    keyboard.down[kVkF5] = true;
    for (int i = 0; i < 2; ++i) runner->RunMacro(true, "RUNPRG", kCtrlShiftF5, 0xC000, "a.exe", "");
    EXPECT_EQ(shell.opened.size(), 2u);
}

// ---------------------------------------------------------------- where the keys go

constexpr WindowHandle kEditor = 0x100, kMainWindow = 0x200, kMenuOrBox = 0x300;

TEST_F(StopTest, TypingPausesWhileTheProgramsWindowIsInFrontAndResumesInTheUsersWindow) {
    foreground.front = kEditor;
    foreground.own = {kMainWindow, kMenuOrBox};
    foreground.shown = {kEditor, kMenuOrBox};
    // A message box of the program comes up after the first key, stays
    // 200 ms, and then the hidden main window is left in front (as after the
    // tray menu).
    std::uint32_t shownAt = 0;
    int typedWhileBoxInFront = 0;
    WhenDispatching([&] { return KeyDowns(input, 'A') == 1; },
                    [&] {
                        foreground.front = kMenuOrBox;
                        shownAt = loop.tick;
                        WhenDispatching(
                            [&] {
                                if (foreground.front == kMenuOrBox) typedWhileBoxInFront += KeyDowns(input, 'B');
                                return loop.tick - shownAt >= 200;
                            },
                            [&] { foreground.front = kMainWindow; });
                    });
    runner->RunMacro(true, "KEYEVN", 0, 0xC000, KeyMacro("ab"), "");
    EXPECT_EQ(typedWhileBoxInFront, 0);
    EXPECT_EQ(KeyDowns(input, 'B'), 1);
    EXPECT_GE(loop.tick, 200u);
    EXPECT_EQ(foreground.front, kEditor) << "the user's window got the foreground back";
    EXPECT_EQ(foreground.activations, 1);
}

TEST_F(StopTest, EscStopsAMacroThatWaitsForTheProgramsWindow) {
    foreground.own = {kMenuOrBox};
    foreground.shown = {kMenuOrBox};
    foreground.front = kMenuOrBox;
    WhenDispatching([&] { return loop.tick >= 500; }, [&] { keyboard.PressEscape(); });
    runner->RunMacro(true, "KEYEVN", 0, 0xC000, KeyMacro("a"), "");
    EXPECT_TRUE(input.keys.empty());
    EXPECT_LT(loop.tick, 600u);
}

TEST_F(StopTest, ModifierReleaseIsSeenByTheKeyboardWatch) {
    input.modifierHeldPolls = 1000000;  // the key state would answer late
    keyboard.modifierHeld = true;
    WhenDispatching([&] { return loop.tick >= 7; }, [&] { keyboard.modifierHeld = false; });
    runner->RunMacro(true, "KEYEVN", 0, 0xC000, KeyMacro("a"), "");
    EXPECT_EQ(KeyDowns(input, 'A'), 1);
    EXPECT_LE(loop.tick, 8u);
}

// ---------------------------------------------------------------- bursts of the program's own keys

TEST_F(StopTest, ALongTextGoesOutInABurstAndTheMacrosOwnEscOutsideIt) {
    // Whether the burst ran as each key event went out.
    std::vector<std::pair<std::uint8_t, bool>> sent;
    std::function<void()> record = [&] {
        sent.push_back({input.keys.back().virtualKey, keyboard.burst});
        loop.onProcessMessages = record;
    };
    loop.onProcessMessages = record;
    const std::string longText = "abcdefghijklmnopqrst";
    runner->RunMacro(true, "KEYEVN", 0, 0xC000, KeyMacro("xy|" + longText + "{ESC}" + longText), "");

    ASSERT_EQ(KeyDowns(input, 0x1B), 1);
    std::vector<std::string> runs;  // the burst state in runs of key presses
    for (size_t i = 0; i < sent.size(); i += 2) {
        const char state = sent[i].second ? 'B' : '-';
        if (runs.empty() || runs.back()[0] != state) runs.push_back("");
        runs.back() += state;
    }
    // "xy", 15 of the long text, the other 5 in a burst, Esc, the second text
    // in a burst from its first key.
    EXPECT_EQ(runs,
              (std::vector<std::string>{std::string(2 + 15, '-'), std::string(5, 'B'), "-", std::string(20, 'B')}));
    EXPECT_FALSE(keyboard.burst) << "the burst ends with its text";
    EXPECT_EQ(keyboard.bursts, 2);
}

TEST_F(StopTest, EscInABurstStopsAndTheShortcutReleasedInItCountsWhenItEnds) {
    keyboard.down[kVkF5] = true;
    WhenDispatching([&] { return keyboard.burst; },
                    [&] {
                        keyboard.Release(kVkF5);
                        EXPECT_TRUE(keyboard.Active()) << "the release waits for the burst";
                        EXPECT_TRUE(keyboard.PressEscape());
                    });
    runner->RunMacro(true, "KEYEVN", kCtrlShiftF5, 0xC000, KeyMacro(std::string(100, 'a')), "");
    EXPECT_EQ(KeyDowns(input, 'A'), 16);
    EXPECT_FALSE(keyboard.Active()) << "the shortcut went up: nothing left to watch";
    ExpectNothingHeld();

    runner->RunMacro(true, "KEYEVN", kCtrlShiftF5, 0xC000, KeyMacro("b"), "");
    EXPECT_EQ(KeyDowns(input, 'B'), 1) << "the next press is a new one";
}

}  // namespace
}  // namespace kv
