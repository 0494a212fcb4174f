#include <gtest/gtest.h>

#include "hotkeys/HotKeyHook.h"

namespace kv {
namespace {

TEST(HotKeyValue, PacksAndSplitsModifiersAndKey) {
    struct Case {
        unsigned modifiers;
        std::uint16_t key;
        std::uint32_t hotKey;
    } cases[] = {
        {kModControl | kModShift, 0x74, 24692},  // Ctrl+Shift+F5
        {kModAlt, 0x73, 0x8073},                 // Alt+F4
        {kModWin, 0x45, 0x10045},                // Win+E
        {kModControl, 0x41, 16449},              // Ctrl+A
        {0, 0x74, 116},                          // F5 alone
        {kModAlt | kModControl | kModShift | kModWin, 0x41, 0x1E041},
        {0, 0, 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(MakeHotKey(c.modifiers, c.key), c.hotKey) << c.hotKey;
        std::uint16_t key = 0xFFFF;
        unsigned modifiers = 0xFF;
        SplitHotKey(c.hotKey, key, modifiers);
        EXPECT_EQ(key, c.key) << c.hotKey;
        EXPECT_EQ(modifiers, c.modifiers) << c.hotKey;
    }
}

TEST(HotKeyValue, MakeAddsTheKeyWholeAndSplitKeepsTheLowByte) {
    EXPECT_EQ(MakeHotKey(kModControl, 0x141), 0x4141u);
    // Bits other than the four modifiers are ignored both ways.
    EXPECT_EQ(MakeHotKey(0x4000 | kModShift, 0x74), 0x2074u);

    std::uint16_t key;
    unsigned modifiers;
    SplitHotKey(0x4141, key, modifiers);
    EXPECT_EQ(key, 0x41);
    EXPECT_EQ(modifiers, kModControl);
    SplitHotKey(0x21074, key, modifiers);
    EXPECT_EQ(key, 0x74);
    EXPECT_EQ(modifiers, 0u);
}

}  // namespace
}  // namespace kv
