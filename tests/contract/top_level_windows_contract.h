#pragma once
// What every TopLevelWindowsApi does with a window of this program's own: it
// minimises and restores, it is never listed among the other programs'
// windows, and once closed it no longer exists. The side opens and closes
// the window and lets the platform finish a change (Settle).
#include <gtest/gtest.h>

#include "platform/TopLevelWindowsApi.h"

namespace kv {
namespace contract {

template <typename Side>
class TopLevelWindowsContract : public ::testing::Test {
protected:
    typename Side::Api api;
};

TYPED_TEST_SUITE_P(TopLevelWindowsContract);

TYPED_TEST_P(TopLevelWindowsContract, AWindowMinimisesRestoresAndIsGoneOnceClosed) {
    const WindowHandle window = TypeParam::OpenOwnWindow(this->api);
    ASSERT_NE(window, WindowHandle(0));
    EXPECT_TRUE(this->api.WindowExists(window));
    EXPECT_FALSE(this->api.IsMinimized(window));

    this->api.Minimize(window);
    EXPECT_TRUE(TypeParam::Settle([&] { return this->api.IsMinimized(window); }));
    this->api.Restore(window);
    EXPECT_TRUE(TypeParam::Settle([&] { return !this->api.IsMinimized(window); }));

    TypeParam::Close(this->api, window);
    EXPECT_FALSE(this->api.WindowExists(window));
    EXPECT_FALSE(this->api.WindowExists(0));
}

TYPED_TEST_P(TopLevelWindowsContract, TheProgramsOwnWindowsAreNeverListed) {
    const WindowHandle window = TypeParam::OpenOwnWindow(this->api);
    for (const TopLevelWindow& other : this->api.OtherProgramsWindows()) EXPECT_NE(other.handle, window);
    TypeParam::Close(this->api, window);
}

REGISTER_TYPED_TEST_SUITE_P(TopLevelWindowsContract, AWindowMinimisesRestoresAndIsGoneOnceClosed,
                            TheProgramsOwnWindowsAreNeverListed);

}  // namespace contract
}  // namespace kv
