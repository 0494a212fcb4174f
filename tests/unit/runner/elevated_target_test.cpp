// The key and mouse players stop, with a tray balloon, at a window of a
// process that runs at a higher integrity level: the system would drop
// their input without a word.
#include "input_fixture.h"
#include "platform/fake/FakeSystem.h"
#include "runner/InputTarget.h"
#include "runner/MouseEvents.h"

namespace kv {
namespace {

class ElevatedTargetTest : public InputFixture {
protected:
    ElevatedTargetTest() {
        context.system = &system;
        system.foregroundTitle = "Administrator: Command Prompt";
    }

    std::size_t Clicks() const {
        std::size_t clicks = 0;
        for (const MouseAction& a : input.mouse) clicks += a.kind == MouseAction::Kind::Button;
        return clicks;
    }

    FakeSystem system;
};

const char kKeyMacro[] = "Active Window|Active Window|Once|0|ab|{DELAY100}|cd";
const char kMouseMacro[] = "Once|0|{X:10,Y:10}|{LBUTTON}|{X:20,Y:20}|{RBUTTON}";

TEST_F(ElevatedTargetTest, BalloonNamesTheWindow) {
    EXPECT_EQ(ElevatedWindowMessage("Administrator: Command Prompt"),
              "Keyvane cannot send keys to \"Administrator: Command Prompt\": it runs as administrator.");
}

TEST_F(ElevatedTargetTest, KeyMacroSendsNothingToAnElevatedWindow) {
    system.foregroundElevated = true;
    PlayKeyEvents(context, kKeyMacro);
    EXPECT_TRUE(input.keys.empty());
    EXPECT_EQ(system.balloons, std::vector<std::string>{ElevatedWindowMessage("Administrator: Command Prompt")});
    EXPECT_TRUE(shell.boxes.empty());
}

TEST_F(ElevatedTargetTest, KeyMacroStopsWhenAnElevatedWindowComesToTheFront) {
    system.elevateAfterChecks = 1;
    PlayKeyEvents(context, "Active Window|Active Window|Repeat|3|ab|{DELAY100}|cd");
    // The first item only: the rest and the repeats are not played.
    EXPECT_EQ(input.keys, Keys({Tap('A'), Tap('B')}));
    EXPECT_EQ(system.balloons.size(), 1u);
    EXPECT_TRUE(input.HeldKeys().empty());
}

TEST_F(ElevatedTargetTest, MouseMacroStopsAtAnElevatedWindow) {
    system.foregroundElevated = true;
    PlayMouseEvents(context, kMouseMacro);
    EXPECT_TRUE(input.mouse.empty());
    EXPECT_EQ(system.balloons.size(), 1u);

    input.mouse.clear();
    system.balloons.clear();
    system.foregroundElevated = false;
    system.foregroundChecks = 0;
    system.elevateAfterChecks = 2;
    PlayMouseEvents(context, kMouseMacro);
    EXPECT_EQ(Clicks(), 2u);  // the left click's down and up, no right click
    EXPECT_EQ(system.balloons.size(), 1u);
}

TEST_F(ElevatedTargetTest, AWindowOfTheSameLevelGetsEverything) {
    PlayKeyEvents(context, kKeyMacro);
    PlayMouseEvents(context, kMouseMacro);
    EXPECT_EQ(input.keys, Keys({Tap('A'), Tap('B'), Tap('C'), Tap('D')}));
    EXPECT_EQ(Clicks(), 4u);
    EXPECT_TRUE(system.balloons.empty());
    EXPECT_GT(system.foregroundChecks, 0);
}

}  // namespace
}  // namespace kv
