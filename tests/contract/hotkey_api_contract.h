#pragma once
// What every HotKeyApi does, the fake as the platform: shared atoms,
// one registration per combination, message windows that deliver to their
// receiver, and the key names of the English (US) layout the tests run on.
// A Side names the implementation (Api) and sends a message to one of its
// windows (Send).
#include <gtest/gtest.h>

#include <vector>

#include "platform/HotKeyApi.h"

namespace kv {
namespace contract {

// Shift+Ctrl+Alt+F16: a combination nothing else in the tests registers.
constexpr unsigned kContractModifiers = kModControl | kModShift | kModAlt;
constexpr unsigned kContractKey = 0x7F;

class RecordingReceiver : public MessageReceiver {
public:
    void WndProc(WindowMessage& message) override {
        seen.push_back(message.msg);
        message.result = 42;
    }
    std::vector<std::uint32_t> seen;
};

template <typename Side>
class HotKeyApiContract : public ::testing::Test {
protected:
    typename Side::Api api;
};

TYPED_TEST_SUITE_P(HotKeyApiContract);

TYPED_TEST_P(HotKeyApiContract, AtomsAreSharedByNameWithoutCaseInTheAtomRange) {
    const std::uint16_t first = this->api.AddGlobalAtom("KvContractAtom");
    const std::uint16_t second = this->api.AddGlobalAtom("kvcontractatom");
    EXPECT_GE(first, 0xC000);
    EXPECT_EQ(first, second);
    this->api.DeleteAtom(second);
    this->api.DeleteAtom(first);
}

TYPED_TEST_P(HotKeyApiContract, ACombinationIsRegisteredOnceUntilItIsReleased) {
    RecordingReceiver receiver;
    const WindowHandle window = this->api.CreateMessageWindow(receiver);
    ASSERT_NE(window, 0u);
    EXPECT_TRUE(this->api.RegisterHotKey(window, 1, kContractModifiers, kContractKey));
    EXPECT_FALSE(this->api.RegisterHotKey(window, 2, kContractModifiers, kContractKey));
    EXPECT_TRUE(this->api.UnregisterHotKey(window, 1));
    EXPECT_FALSE(this->api.UnregisterHotKey(window, 1));
    EXPECT_TRUE(this->api.RegisterHotKey(window, 2, kContractModifiers, kContractKey));
    EXPECT_TRUE(this->api.UnregisterHotKey(window, 2));
    this->api.DestroyMessageWindow(window);
}

TYPED_TEST_P(HotKeyApiContract, AMessageWindowDeliversToItsReceiverUntilDestroyed) {
    RecordingReceiver receiver;
    const WindowHandle window = this->api.CreateMessageWindow(receiver);
    ASSERT_NE(window, 0u);
    // The creation messages are not the receiver's.
    EXPECT_TRUE(receiver.seen.empty());
    WindowMessage message;
    message.msg = 0x8000 + 5;  // WM_APP + 5
    EXPECT_EQ(TypeParam::Send(this->api, window, message), 42);
    ASSERT_EQ(receiver.seen.size(), 1u);
    EXPECT_EQ(receiver.seen[0], 0x8005u);

    this->api.DestroyMessageWindow(window);
    WindowMessage late;
    late.msg = 0x8000 + 6;
    TypeParam::Send(this->api, window, late);
    EXPECT_EQ(receiver.seen.size(), 1u) << "the destruction and later messages are not the receiver's";
}

TYPED_TEST_P(HotKeyApiContract, TheApplicationWindowExists) { EXPECT_NE(this->api.ApplicationWindow(), 0u); }

TYPED_TEST_P(HotKeyApiContract, KeysHaveTheirEnglishNamesThroughTheirScanCodes) {
    struct Case {
        unsigned vk;
        const char* name;
    } cases[] = {{0x74, "F5"}, {'A', "A"}, {'7', "7"}};
    for (const Case& c : cases) {
        const unsigned scanCode = this->api.MapVirtualKeyCode(c.vk, 0);
        ASSERT_NE(scanCode, 0u) << c.name;
        EXPECT_EQ(this->api.KeyNameText(std::int32_t(scanCode << 16)), c.name);
    }
    EXPECT_EQ(this->api.KeyNameText(0), "");
}

REGISTER_TYPED_TEST_SUITE_P(HotKeyApiContract, AtomsAreSharedByNameWithoutCaseInTheAtomRange,
                            ACombinationIsRegisteredOnceUntilItIsReleased,
                            AMessageWindowDeliversToItsReceiverUntilDestroyed, TheApplicationWindowExists,
                            KeysHaveTheirEnglishNamesThroughTheirScanCodes);

}  // namespace contract
}  // namespace kv
