#pragma once
// What every KeyboardWatchApi does when nobody touches the keyboard: it
// starts and stops as often as asked, sees no key and no modifier held, and
// raises no event; a burst of the program's own keys runs only while Esc is
// taken. Key presses are left out: on the platform they must come
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

TYPED_TEST_P(KeyboardWatchContract, ABurstOfOwnKeysRunsOnlyWhileEscIsTakenAndEndsWithTheWatch) {
    int events = 0;
    KeyboardWatchEvents watch;
    watch.onEscape = [&] { ++events; };
    watch.onKeyUp = [&](std::uint8_t) { ++events; };
    this->api.SetOwnKeysBurst(true);
    EXPECT_FALSE(this->api.OwnKeysBurst()) << "not started";
    ASSERT_TRUE(this->api.Start(watch));
    this->api.SetOwnKeysBurst(true);
    EXPECT_FALSE(this->api.OwnKeysBurst()) << "Esc is not taken";

    this->api.TakeEscape(true);
    for (int round = 0; round < 2; ++round) {
        this->api.SetOwnKeysBurst(true);
        EXPECT_TRUE(this->api.OwnKeysBurst()) << round;
        EXPECT_FALSE(this->api.IsModifierKeyHeld());
        EXPECT_FALSE(this->api.IsKeyDown(0x74));  // F5
        this->api.SetOwnKeysBurst(false);
        EXPECT_FALSE(this->api.OwnKeysBurst());
    }
    this->api.SetOwnKeysBurst(true);
    this->api.Stop();
    EXPECT_FALSE(this->api.OwnKeysBurst()) << "ends with the watch";
    ASSERT_TRUE(this->api.Start(watch));
    EXPECT_FALSE(this->api.OwnKeysBurst());
    TypeParam::Dispatch();
    this->api.Stop();
    EXPECT_EQ(events, 0);
}

REGISTER_TYPED_TEST_SUITE_P(KeyboardWatchContract, StartsAndStopsAgainAndSeesNoKeyHeld,
                            ABurstOfOwnKeysRunsOnlyWhileEscIsTakenAndEndsWithTheWatch);

}  // namespace contract
}  // namespace kv
