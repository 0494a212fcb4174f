#pragma once
// What every KeyboardWatchApi does when nobody touches the keyboard: it
// starts and stops as often as asked, sees no key and no modifier held, and
// raises no event. Key presses are left out: on the platform they must come
// from the X server (tests/win/keyboard_watch_test.cpp).
#include <gtest/gtest.h>

#include "platform/KeyboardWatchApi.h"

namespace kv {
namespace contract {

template <typename Side>
class KeyboardWatchContract : public ::testing::Test {
protected:
    typename Side::Api api;
};

TYPED_TEST_SUITE_P(KeyboardWatchContract);

TYPED_TEST_P(KeyboardWatchContract, StartsAndStopsAgainAndSeesNoKeyHeld) {
    int events = 0;
    for (int round = 0; round < 2; ++round) {
        KeyboardWatchEvents watch;
        watch.onEscape = [&] { ++events; };
        watch.onKeyUp = [&](std::uint8_t) { ++events; };
        ASSERT_TRUE(this->api.Start(watch)) << round;
        EXPECT_TRUE(this->api.Active());
        this->api.TakeEscape(true);
        EXPECT_FALSE(this->api.IsModifierKeyHeld());
        EXPECT_FALSE(this->api.IsKeyDown(0x74));  // F5
        EXPECT_FALSE(this->api.IsKeyDown(0x10));  // Shift
        TypeParam::Dispatch();
        this->api.Stop();
        EXPECT_FALSE(this->api.Active());
    }
    EXPECT_EQ(events, 0);
}

REGISTER_TYPED_TEST_SUITE_P(KeyboardWatchContract, StartsAndStopsAgainAndSeesNoKeyHeld);

}  // namespace contract
}  // namespace kv
