#pragma once
// What every MessageLoopApi does, the fake as the platform: with nothing in
// the queue, a pass of dispatch returns at once and a wait lets the tick
// counter advance by about its time-out (the platform's counter may tick in
// steps of up to 16 ms; the upper bound is generous for a loaded machine).
#include <gtest/gtest.h>

#include "platform/MessageLoopApi.h"

namespace kv {
namespace contract {

template <typename Side>
class MessageLoopContract : public ::testing::Test {
protected:
    typename Side::Api api;
};

TYPED_TEST_SUITE_P(MessageLoopContract);

TYPED_TEST_P(MessageLoopContract, AWaitOnAnEmptyQueueLastsItsTimeOut) {
    this->api.ProcessMessages();
    const std::uint32_t before = this->api.TickCount();
    this->api.WaitForMessage(100);
    const std::uint32_t waited = this->api.TickCount() - before;
    EXPECT_GE(waited, 100u - 16u);
    EXPECT_LT(waited, 5000u);
}

TYPED_TEST_P(MessageLoopContract, APassOfDispatchOnAnEmptyQueueTakesNoTime) {
    this->api.ProcessMessages();
    const std::uint32_t before = this->api.TickCount();
    this->api.ProcessMessages();
    EXPECT_LT(this->api.TickCount() - before, 1000u);
}

REGISTER_TYPED_TEST_SUITE_P(MessageLoopContract, AWaitOnAnEmptyQueueLastsItsTimeOut,
                            APassOfDispatchOnAnEmptyQueueTakesNoTime);

}  // namespace contract
}  // namespace kv
