#pragma once
// What every SystemApi does that a test may do for real: the clipboard
// empties, and the window that has the keyboard in a test run is not an
// administrator's. Ending the session and the question box are left out:
// the one would end the machine's session, the other waits for a person.
#include <gtest/gtest.h>

#include <string>

#include "platform/SystemApi.h"

namespace kv {
namespace contract {

template <typename Side>
class SystemApiContract : public ::testing::Test {
protected:
    typename Side::Api api;
};

TYPED_TEST_SUITE_P(SystemApiContract);

TYPED_TEST_P(SystemApiContract, AClipboardThatHeldTextIsEmptiedAndSoIsAnEmptyOne) {
    ASSERT_TRUE(TypeParam::PutText(this->api, "copied by the user"));
    ASSERT_EQ(TypeParam::Text(this->api), "copied by the user");
    std::string error;
    EXPECT_TRUE(this->api.ClearClipboard(error)) << error;
    EXPECT_EQ(TypeParam::Text(this->api), "");
    EXPECT_TRUE(this->api.ClearClipboard(error)) << error;
    EXPECT_TRUE(error.empty()) << error;
}

TYPED_TEST_P(SystemApiContract, TheTestsForegroundIsNotElevated) {
    std::string title = "unchanged";
    EXPECT_FALSE(this->api.ForegroundIsElevated(title));
}

REGISTER_TYPED_TEST_SUITE_P(SystemApiContract, AClipboardThatHeldTextIsEmptiedAndSoIsAnEmptyOne,
                            TheTestsForegroundIsNotElevated);

}  // namespace contract
}  // namespace kv
