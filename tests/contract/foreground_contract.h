#pragma once
// What every ForegroundApi says of a window of this program's own: it is
// ours, shown while visible and hidden once hidden, and it takes the
// foreground when activated. The side opens, hides and closes the window.
#include <gtest/gtest.h>

#include "platform/ForegroundApi.h"

namespace kv {
namespace contract {

template <typename Side>
class ForegroundContract : public ::testing::Test {
protected:
    typename Side::Api api;
};

TYPED_TEST_SUITE_P(ForegroundContract);

TYPED_TEST_P(ForegroundContract, AnOwnWindowIsOursShownAndTakesTheForeground) {
    const WindowHandle window = TypeParam::OpenOwnWindow(this->api);
    ASSERT_NE(window, WindowHandle(0));
    EXPECT_TRUE(this->api.IsOwnWindow(window));
    EXPECT_TRUE(this->api.IsShown(window));
    EXPECT_TRUE(this->api.Activate(window));
    EXPECT_EQ(this->api.ForegroundWindow(), window);
    TypeParam::Hide(this->api, window);
    EXPECT_FALSE(this->api.IsShown(window));
    TypeParam::Close(this->api, window);
    EXPECT_FALSE(this->api.Activate(window));
}

REGISTER_TYPED_TEST_SUITE_P(ForegroundContract, AnOwnWindowIsOursShownAndTakesTheForeground);

}  // namespace contract
}  // namespace kv
