#include <gtest/gtest.h>

#include "platform/fake/FakeMessageLoop.h"
#include "runner/Delay.h"

namespace kv {
namespace {

TEST(ParseDelay, ReadsTheNumberAfterThePrefix) {
    struct Case {
        const char* item;
        std::int32_t ms;
    } cases[] = {
        {"{DELAY500}", 500},   {"{DELAY 500}", 500},      {"{DELAY+500}", 500},   {"{DELAY$1F4}", 500},
        {"{DELAY0x1F4}", 500}, {"{DELAY500 }", 0},        {"{DELAY}", 0},         {"{DELAYabc}", 0},
        {"{DELAY0}", 0},       {"{DELAY-20}", -20},       {"abc{DELAY300}x", 0},  {"{delay500}", 0},
        {"Hello{ENTER}", 0},   {"{DELAY99999999999}", 0}, {"{DELAY{DELAY5}}", 5},
    };
    for (const Case& c : cases) EXPECT_EQ(parseDelay(c.item), c.ms) << c.item;
}

TEST(Delay, LastsAtLeastTheGivenTimeAndDispatchesMessages) {
    FakeMessageLoop loop;
    loop.tick = 1000;
    loop.granularity = 16;
    Delay(loop, 500);
    EXPECT_GE(loop.tick - 1000u, 500u);
    EXPECT_LT(loop.tick - 1000u, 500u + 16u);
    EXPECT_GE(loop.processPasses, 2);
}

TEST(Delay, MeasuresAcrossTheTickCounterWrap) {
    for (std::uint32_t start : {0xFFFFFF00u, 0x7FFFFF00u}) {
        FakeMessageLoop loop;
        loop.tick = start;
        Delay(loop, 1000);
        EXPECT_EQ(loop.tick - start, 1000u) << std::hex << start;
    }
}

TEST(Delay, ZeroOrNegativeMakesOnePassWithoutWaiting) {
    for (std::int32_t ms : {0, -20}) {
        FakeMessageLoop loop;
        Delay(loop, ms);
        EXPECT_EQ(loop.processPasses, 1);
        EXPECT_TRUE(loop.waits.empty());
    }
}

}  // namespace
}  // namespace kv
