#include <gtest/gtest.h>

#include "platform/fake/FakeHotKeyApi.h"

namespace kv {
namespace {

// The fake must keep the platform's promises that the hotkey component
// relies on.
TEST(FakeHotKeyApi, AtomsAreCountedPerNameAndNumbersReused) {
    FakeHotKeyApi api;
    std::uint16_t a = api.AddGlobalAtom("KVKeyHook1");
    std::uint16_t b = api.AddGlobalAtom("KVKeyHook2");
    EXPECT_EQ(a, 0xC000);
    EXPECT_NE(b, a);
    EXPECT_EQ(api.AddGlobalAtom("kvkeyhook1"), a);  // names compare without case
    EXPECT_EQ(api.AtomReferences("KVKeyHook1"), 2);
    api.DeleteAtom(a);
    EXPECT_EQ(api.FindGlobalAtom("KVKeyHook1"), a);
    api.DeleteAtom(a);
    EXPECT_EQ(api.FindGlobalAtom("KVKeyHook1"), 0);
    EXPECT_EQ(api.AddGlobalAtom("KVKeyHook3"), a);
}

TEST(FakeHotKeyApi, CombinationHasOneOwnerAndPressesReachIt) {
    struct Receiver : MessageReceiver {
        void WndProc(WindowMessage& m) override { got.push_back(m); }
        std::vector<WindowMessage> got;
    } receiver;
    FakeHotKeyApi api;
    WindowHandle window = api.CreateMessageWindow(receiver);
    ASSERT_TRUE(api.RegisterHotKey(window, 0xC001, kModControl | kModShift, 0x74));
    EXPECT_FALSE(api.RegisterHotKey(api.ApplicationWindow(), 5, kModControl | kModShift, 0x74));
    EXPECT_TRUE(api.RegisterHotKey(api.ApplicationWindow(), 5, kModControl, 0x74));

    EXPECT_TRUE(api.Press(kModControl | kModShift, 0x74));
    ASSERT_EQ(receiver.got.size(), 1u);
    EXPECT_EQ(receiver.got[0].msg, kWmHotKey);
    EXPECT_EQ(receiver.got[0].wParam, 0xC001u);
    EXPECT_EQ(receiver.got[0].lParam, 0x740006);
    EXPECT_FALSE(api.Press(kModAlt, 0x74));

    EXPECT_FALSE(api.UnregisterHotKey(api.ApplicationWindow(), 0xC001));  // not that window's
    EXPECT_TRUE(api.UnregisterHotKey(window, 0xC001));
    EXPECT_FALSE(api.UnregisterHotKey(window, 0xC001));
}

}  // namespace
}  // namespace kv
