#include "input_fixture.h"
#include "model/Convert.h"
#include "runner/MouseEvents.h"

namespace kv {
namespace {

using KeyPlayerTest = InputFixture;

TEST_F(KeyPlayerTest, PlaysKeyItemsAndDelaysInOrder) {
    // The last pass of dispatch before the clock moves is the delay's first.
    size_t keysAtDelay = 0;
    std::function<void()> watch = [&] {
        if (loop.tick == 0) keysAtDelay = input.keys.size();
        loop.onProcessMessages = watch;
    };
    loop.onProcessMessages = watch;
    PlayKeyEvents(context, "Active Window|Active Window|Once|0|Hello{ENTER}|{DELAY500}|^s");

    const auto hello = Keys({Shifted('H'), Tap('E'), Tap('L'), Tap('L'), Tap('O'), Tap(kEnter)});
    EXPECT_EQ(input.keys, Keys({hello, {Down(kCtrl)}, Tap('S'), {Up(kCtrl)}}));
    EXPECT_EQ(keysAtDelay, hello.size());
    EXPECT_GE(loop.tick, 500u);
    // Played with the wait: keyboard messages dispatched after every event.
    EXPECT_GE(loop.processPasses, int(input.keys.size()));
    EXPECT_TRUE(input.activeWindow.empty());
}

TEST_F(KeyPlayerTest, HeaderOnlyPayloadsPlayNothing) {
    for (const char* payload : {"Active Window|Active Window|Once|0|", "Active Window|Active Window|Once|0", "",
                                "Custom Window|Notepad|Repeat|3|", "Custom Window||Once|0|"}) {
        PlayKeyEvents(context, payload);
        EXPECT_TRUE(input.keys.empty()) << payload;
        EXPECT_TRUE(shell.boxes.empty()) << payload;
    }
}

TEST_F(KeyPlayerTest, RepeatModeAndCountSetHowOftenTheItemsPlay) {
    struct Case {
        const char* header;
        int times;
    } cases[] = {
        {"Active Window|Active Window|Repeat|3|", 3}, {"Active Window|Active Window|Once|0|", 1},
        {"Active Window|Active Window|Once|5|", 1},   {"Active Window|Active Window|Repeat|0|", 1},
        {"Active Window|Active Window|Repeat|x|", 1}, {"Active Window|Active Window|Repeat|-2|", 1},
    };
    for (const Case& c : cases) {
        input.keys.clear();
        PlayKeyEvents(context, std::string(c.header) + "a|b");
        EXPECT_EQ(input.keys.size(), size_t(4 * c.times)) << c.header;
    }
}

TEST_F(KeyPlayerTest, CustomWindowIsBroughtToTheFrontBeforeTyping) {
    input.windowTitles = {"Untitled - Notepad", "Notepad"};
    PlayKeyEvents(context, "Custom Window|Notepad|Once|0|a");
    EXPECT_EQ(input.activeWindow, "Notepad");
    EXPECT_EQ(input.keys, Tap('A'));
    EXPECT_TRUE(shell.boxes.empty());
}

TEST_F(KeyPlayerTest, MissingCustomWindowIsReportedAndNothingTyped) {
    input.windowTitles = {"notepad"};  // titles match exactly, case included
    PlayKeyEvents(context, "Custom Window|Notepad|Repeat|2|a|b");
    EXPECT_TRUE(input.keys.empty());
    ASSERT_EQ(shell.boxes.size(), 1u);
    EXPECT_EQ(shell.boxes[0].text, "Window \"Notepad\" not found.");
    EXPECT_EQ(shell.boxes[0].caption, "SendKeys");
}

TEST_F(KeyPlayerTest, CustomWindowWithEmptyNameTypesNothing) {
    // Splitting drops the empty name; "Once" must not be taken for a title
    // nor the first key item for the count.
    input.windowTitles = {"Once"};
    PlayKeyEvents(context, "Custom Window||Once|0|a|b");
    EXPECT_TRUE(input.keys.empty());
    EXPECT_TRUE(input.activeWindow.empty());
    ASSERT_EQ(shell.boxes.size(), 1u);
    EXPECT_EQ(shell.boxes[0].text, "No window name given for \"Custom Window\".");
}

TEST_F(KeyPlayerTest, UnclosedBraceEndsOnlyItsItem) {
    PlayKeyEvents(context, "Active Window|Active Window|Once|0|+(ab{C|d");
    EXPECT_EQ(input.keys, Keys({{Down(kShift)}, Tap('A'), Tap('B'), {Up(kShift)}, Tap('D')}));
    ASSERT_EQ(shell.boxes.size(), 1u);
    EXPECT_EQ(shell.boxes[0].text, "No Close");
}

TEST_F(KeyPlayerTest, BadCountEndsTheMacro) {
    EXPECT_THROW(PlayKeyEvents(context, "Active Window|Active Window|Repeat|3|a|{ENTER x}|b"), ConvertError);
    EXPECT_EQ(input.keys, Tap('A'));
}

TEST_F(KeyPlayerTest, ZeroDelayIsAKeyItem) {
    PlayKeyEvents(context, "Active Window|Active Window|Once|0|{DELAY0}|a");
    EXPECT_EQ(input.keys, Tap('A'));
    ASSERT_EQ(shell.boxes.size(), 1u);
    EXPECT_EQ(shell.boxes[0].text, "Invalid Key Name");
}

}  // namespace
}  // namespace kv

namespace kv {
namespace {

// The macro starts while the user still holds the shortcut (Ctrl+Shift):
// typing then would send Ctrl+Shift+letters. The players wait for the release.
class ModifierReleaseTest : public InputFixture {};

TEST_F(ModifierReleaseTest, KeysWaitUntilTheUserLetsGoOfTheShortcut) {
    input.modifierHeldPolls = 5;
    PlayKeyEvents(context, "Active Window|Active Window|Once|0|a");
    ASSERT_FALSE(input.keys.empty());
    EXPECT_EQ(input.modifierHeldPolls, 0);
    EXPECT_EQ(loop.tick, 5u);  // five polls, kModifierPollMs apart
    EXPECT_EQ(input.keys, Tap('A'));
}

TEST_F(ModifierReleaseTest, ClicksWaitToo) {
    input.modifierHeldPolls = 3;
    PlayMouseEvents(context, "Once|0|{LBUTTON}");
    ASSERT_FALSE(input.mouse.empty());
    EXPECT_EQ(input.mouse.front().tick, 3u + 5u);  // three polls, then the click's own 5 ms
}

TEST_F(ModifierReleaseTest, AModifierHeldOnGivesUpAfterTheTimeOut) {
    input.modifierHeldPolls = 1000000;
    PlayKeyEvents(context, "Active Window|Active Window|Once|0|a");
    EXPECT_EQ(input.keys, Tap('A'));
    EXPECT_GE(loop.tick, std::uint32_t(kModifierReleaseTimeoutMs));
    EXPECT_LT(loop.tick, std::uint32_t(kModifierReleaseTimeoutMs) + 100);
}

TEST_F(ModifierReleaseTest, NothingHeldStartsAtOnce) {
    PlayKeyEvents(context, "Active Window|Active Window|Once|0|a");
    EXPECT_EQ(loop.tick, 0u);
    EXPECT_TRUE(loop.waits.empty());
}

}  // namespace
}  // namespace kv
