#include "input_fixture.h"
#include "model/Convert.h"
#include "runner/MouseEvents.h"

namespace kv {
namespace {

class MouseEventsTest : public InputFixture {
protected:
    std::vector<Point> Positions() const {
        std::vector<Point> points;
        for (const MouseAction& a : input.mouse) {
            if (a.kind == MouseAction::Kind::SetCursor) points.push_back(a.point);
        }
        return points;
    }
    std::vector<const MouseAction*> Buttons() const {
        std::vector<const MouseAction*> buttons;
        for (const MouseAction& a : input.mouse) {
            if (a.kind == MouseAction::Kind::Button) buttons.push_back(&a);
        }
        return buttons;
    }
};

TEST_F(MouseEventsTest, GlideRunsDiagonallyThenStraightPausingBeforeEveryTenthStep) {
    input.cursor = {10, 10};
    EmulateMouseMove(context, {13, 20});
    const std::vector<Point> expected = {{11, 11}, {12, 12}, {13, 13}, {13, 14}, {13, 15},
                                         {13, 16}, {13, 17}, {13, 18}, {13, 19}, {13, 20}};
    EXPECT_EQ(Positions(), expected);
    EXPECT_EQ(loop.waits, std::vector<std::uint32_t>{3});
    for (size_t i = 0; i < 9; ++i) EXPECT_EQ(input.mouse[i].tick, 0u) << i;
    EXPECT_GE(input.mouse[9].tick, 3u);
}

TEST_F(MouseEventsTest, GlideLengthAndPauses) {
    struct Case {
        Point from, to;
        size_t positions;
        size_t pauses;
    } cases[] = {
        {{10, 10}, {10, 10}, 1, 0},       // already there: one position
        {{500, 500}, {0, 300}, 500, 50},  // the left edge is a target like any
        {{0, 0}, {1000, 0}, 1000, 100},
        {{200, 300}, {100, 280}, 100, 10},
    };
    for (const Case& c : cases) {
        input.mouse.clear();
        loop.waits.clear();
        input.cursor = c.from;
        EmulateMouseMove(context, c.to);
        EXPECT_EQ(Positions().size(), c.positions) << c.to;
        EXPECT_EQ(Positions().back(), c.to) << c.to;
        EXPECT_EQ(loop.waits.size(), c.pauses) << c.to;
    }
}

TEST_F(MouseEventsTest, ZeroZeroLeavesTheCursorWhereItIs) {
    input.cursor = {40, 50};
    MouseEvent(context, {0, 0});
    EXPECT_TRUE(input.mouse.empty());
}

TEST_F(MouseEventsTest, GlideStopsAtTheEdgeOfTheScreens) {
    input.cursor = {1900, 10};
    EmulateMouseMove(context, {2000000000, 10});
    EXPECT_EQ(Positions().size(), 19u);
    EXPECT_EQ(input.cursor, (Point{1919, 10}));

    // A monitor to the left of the primary one.
    input.mouse.clear();
    input.screenTopLeft = {-1280, 0};
    input.cursor = {10, 100};
    EmulateMouseMove(context, {-50, 100});
    EXPECT_EQ(Positions().size(), 60u);
    EXPECT_EQ(input.cursor, (Point{-50, 100}));
}

TEST_F(MouseEventsTest, PositionItemGivesFirstNumberAsX) {
    struct Case {
        const char* item;
        Point point;
    } cases[] = {
        {"{X:100,Y:200}", {100, 200}}, {"{Y:5,X:7}", {5, 7}},    {"{X:-50,Y:100}", {-50, 100}},
        {"X:1,Y:2", {1, 2}},           {"{X: 3,Y:  4}", {3, 4}}, {"{X:$10,Y:0x20}", {16, 32}},
    };
    for (const Case& c : cases) EXPECT_EQ(GetMouseCoorFromStr(c.item), c.point) << c.item;
}

TEST_F(MouseEventsTest, PositionItemThatIsNoNumberRaisesTheRuntimeError) {
    struct Case {
        const char* item;
        const char* message;
    } cases[] = {
        {"{X:abc,Y:1}", "'abc' is not a valid integer value"},
        {"{X:1,Y:2 }", "'2 ' is not a valid integer value"},
        {"{X:1 Y:2}", "'' is not a valid integer value"},  // no comma: empty X
        {"{X:99999999999,Y:2}", "'99999999999' is not a valid integer value"},
    };
    for (const Case& c : cases) {
        try {
            GetMouseCoorFromStr(c.item);
            ADD_FAILURE() << c.item;
        } catch (const ConvertError& e) {
            EXPECT_STREQ(e.what(), c.message);
        }
    }
}

TEST_F(MouseEventsTest, ClickItemsPressAndReleaseTheirButtonAfterAShortWait) {
    struct Case {
        const char* item;
        std::uint32_t down, up, data;
    } cases[] = {
        {"{LBUTTON}", kMouseLeftDown, kMouseLeftUp, 0},        {"{RBUTTON}", kMouseRightDown, kMouseRightUp, 0},
        {"{MBUTTON}", kMouseMiddleDown, kMouseMiddleUp, 0},    {"{BUTTON4}", kMouseXDown, kMouseXUp, kMouseXButton1},
        {"{BUTTON5}", kMouseXDown, kMouseXUp, kMouseXButton2},
    };
    for (const Case& c : cases) {
        input.mouse.clear();
        loop.tick = 1000;
        input.cursor = {7, 8};
        EmulateMouseClick(context, c.item);
        ASSERT_EQ(input.mouse.size(), 2u) << c.item;
        EXPECT_EQ(input.mouse[0].flags, c.down) << c.item;
        EXPECT_EQ(input.mouse[1].flags, c.up) << c.item;
        EXPECT_EQ(input.mouse[0].data, c.data) << c.item;
        EXPECT_EQ(input.mouse[1].data, c.data) << c.item;
        EXPECT_EQ(input.mouse[0].point, (Point{7, 8})) << c.item;
        EXPECT_GE(input.mouse[0].tick, 1005u) << c.item;
    }
}

TEST_F(MouseEventsTest, OnlyExactClickTextsClick) {
    for (const char* item : {"{lbutton}", " {LBUTTON}", "{LBUTTON} ", "{CLICK}", "{BUTTON6}", "LBUTTON"}) {
        EmulateMouseClick(context, item);
    }
    EXPECT_TRUE(input.mouse.empty());
}

TEST_F(MouseEventsTest, DoubleClickIsTwoLeftClicksAHundredMillisecondsApart) {
    loop.granularity = 16;
    EmulateMouseClick(context, "{DBLCLICK}");
    const auto buttons = Buttons();
    ASSERT_EQ(buttons.size(), 4u);
    const std::uint32_t flags[] = {kMouseLeftDown, kMouseLeftUp, kMouseLeftDown, kMouseLeftUp};
    for (size_t i = 0; i < 4; ++i) EXPECT_EQ(buttons[i]->flags, flags[i]) << i;
    EXPECT_GE(buttons[0]->tick, 5u);
    EXPECT_GE(buttons[2]->tick - buttons[1]->tick, 100u);
    EXPECT_LT(buttons[2]->tick - buttons[1]->tick, 100u + 16u);
}

TEST_F(MouseEventsTest, PlayerGlidesThenClicksWhereTheCursorIs) {
    input.cursor = {90, 195};
    PlayMouseEvents(context, "Once|0|{X:100,Y:200}|{LBUTTON}");
    EXPECT_EQ(Positions().back(), (Point{100, 200}));
    const auto buttons = Buttons();
    ASSERT_EQ(buttons.size(), 2u);
    EXPECT_EQ(buttons[0]->point, (Point{100, 200}));
    EXPECT_EQ(buttons[0]->flags, kMouseLeftDown);
}

TEST_F(MouseEventsTest, PlayerTakesTheFirstRuleThatApplies) {
    input.cursor = {5, 5};
    // A position that also names a button is a position; "{CLICK:X}" lacks
    // a "Y:" and so is a click item, but not one of the click texts.
    PlayMouseEvents(context, "Once|0|{DELAY20}|{X:6,Y:6}|{LBUTTON}X:7,Y:7|{lbutton}|{CLICK:X}|{RBUTTON}|hello");
    EXPECT_GE(loop.tick, 20u);
    EXPECT_EQ(Positions(), (std::vector<Point>{{6, 6}, {7, 7}}));
    const auto buttons = Buttons();
    ASSERT_EQ(buttons.size(), 2u);
    EXPECT_EQ(buttons[0]->flags, kMouseRightDown);
}

TEST_F(MouseEventsTest, HeaderOnlyPayloadsPlayNothing) {
    for (const char* payload : {"Once|0|", "Once|0", "Repeat until|3|", "Once", ""}) {
        PlayMouseEvents(context, payload);
    }
    EXPECT_TRUE(input.mouse.empty());
    EXPECT_EQ(loop.processPasses, 0);
}

TEST_F(MouseEventsTest, RepeatModeAndCountSetHowOftenTheItemsPlay) {
    struct Case {
        const char* header;
        size_t clicks;
    } cases[] = {
        {"Repeat until|3|", 3},
        {"Once|0|", 1},
        {"Once|3|", 1},
        {"Repeat until|0|", 1},
        {"Repeat until|abc|", 1},
        {"Repeat until|-4|", 1},
        // A blank count vanishes in splitting: the items follow the mode.
        {"Repeat until||", 1},
    };
    for (const Case& c : cases) {
        input.mouse.clear();
        PlayMouseEvents(context, std::string(c.header) + "{LBUTTON}|{DELAY5}");
        EXPECT_EQ(Buttons().size(), 2 * c.clicks) << c.header;
    }
}

TEST_F(MouseEventsTest, BadPositionEndsTheMacroAfterTheItemsBeforeIt) {
    EXPECT_THROW(PlayMouseEvents(context, "Repeat until|2|{LBUTTON}|{X:abc,Y:1}|{RBUTTON}"), ConvertError);
    const auto buttons = Buttons();
    ASSERT_EQ(buttons.size(), 2u);
    EXPECT_EQ(buttons[0]->flags, kMouseLeftDown);
}

// Wine reports a glide's warps back as pointer motion; a late report moves the
// pointer a step back after the glide ended. The click puts it back first.
TEST_F(MouseEventsTest, AClickPutsThePointerBackWhereTheGlideLeftIt) {
    input.cursor = {0, 0};
    EmulateMouseMove(context, {30, 20});
    int lateReports = 1;
    loop.onProcessMessages = [&] {
        if (lateReports > 0 && input.cursor == Point{30, 20}) {
            --lateReports;
            input.cursor = {29, 19};
        }
    };
    input.mouse.clear();
    EmulateMouseClick(context, "{LBUTTON}");
    loop.onProcessMessages = nullptr;
    const auto buttons = Buttons();
    ASSERT_EQ(buttons.size(), 2u);
    EXPECT_EQ(buttons[0]->point, (Point{30, 20}));
    EXPECT_EQ(buttons[1]->point, (Point{30, 20}));
    EXPECT_EQ(lateReports, 0);
}

}  // namespace
}  // namespace kv
