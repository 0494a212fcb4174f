// The editor's shortcut controls over the simulated English layout.
#include <gtest/gtest.h>

#include "platform/fake/FakeHotKeyApi.h"
#include "uilogic/ShortcutPicker.h"

namespace kv {
namespace {

class ShortcutPicker : public ::testing::Test {
protected:
    int IndexOf(const std::string& name) const {
        for (std::size_t i = 0; i < keys.size(); ++i) {
            if (keys[i].Name == name) return int(i);
        }
        return -1;
    }
    int IndexOfCode(unsigned code) const {
        for (std::size_t i = 0; i < keys.size(); ++i) {
            if (keys[i].Key == code) return int(i);
        }
        return -1;
    }

    FakeHotKeyApi api;
    std::vector<CandidateKey> keys = GetPotentialKeys(api);
};

TEST_F(ShortcutPicker, CandidatesFollowTheRangesInOrderAndSkipUnnamedCodes) {
    ASSERT_FALSE(keys.empty());
    EXPECT_EQ(keys[0].Name, "Backspace");
    EXPECT_EQ(keys[0].Key, 8);
    EXPECT_EQ(keys[1].Key, 9);
    EXPECT_EQ(keys[2].Key, 13);
    EXPECT_EQ(keys[3].Key, 20);  // Caps Lock: the third range begins

    // Never offered: Shift, Ctrl, Alt (16-18), Pause, the left and right
    // modifier keys (160-165), and codes without a name.
    for (unsigned code : {0u, 7u, 10u, 16u, 17u, 18u, 19u, 146u, 160u, 165u, 184u, 185u}) {
        EXPECT_EQ(IndexOfCode(code), -1) << code;
    }
    // The multimedia keys come last, with their fixed names.
    EXPECT_EQ(keys.back().Key, 183);
    EXPECT_EQ(keys.back().Name, "Start Application 2");
    EXPECT_EQ(keys[keys.size() - 18].Name, "Browser Back");
    // The fifth range starts after the end of the fourth.
    EXPECT_LT(IndexOfCode(0xE2), IndexOfCode(0xA6));
}

TEST_F(ShortcutPicker, EntriesWithEqualNamesAreAllKept) {
    const int numSlash = IndexOfCode(0x6F);
    const int slash = IndexOfCode(0xBF);
    ASSERT_GE(numSlash, 0);
    ASSERT_GE(slash, 0);
    EXPECT_EQ(keys[numSlash].Name, keys[slash].Name);
    EXPECT_LT(numSlash, slash);
}

TEST_F(ShortcutPicker, SelectedHotKeyPacksTheBoxesAndTheKey) {
    const int f5 = IndexOf("F5");
    ASSERT_GE(f5, 0);
    ShortcutBoxes boxes;  // a new editor: Ctrl only
    EXPECT_EQ(GetSelectedHotKey(boxes, keys, 0), 0x4008u);
    boxes.Shift = true;
    EXPECT_EQ(GetSelectedHotKey(boxes, keys, f5), 24692u);
    boxes = ShortcutBoxes{false, false, false, false};
    EXPECT_EQ(GetSelectedHotKey(boxes, keys, f5), 116u);  // a bare key is allowed
    boxes = ShortcutBoxes{true, true, true, true};
    EXPECT_EQ(GetSelectedHotKey(boxes, keys, f5), 0x4000u + 0x2000 + 0x8000 + 0x10000 + 0x74);
    EXPECT_EQ(GetSelectedHotKey(boxes, keys, -1), 0u);
    EXPECT_EQ(ModifierBits({true, true, true, true}), 15u);
    EXPECT_EQ(ModifierBits({false, false, true, false}), 1u);
}

TEST_F(ShortcutPicker, ExtractKeySplitsEveryModifier) {
    HotKeyParts p = ExtractKey(0x10000 + 0x8000 + 0x45);
    EXPECT_FALSE(p.Ctrl);
    EXPECT_TRUE(p.Alt);
    EXPECT_FALSE(p.Shift);
    EXPECT_TRUE(p.Win);
    EXPECT_EQ(p.Key, 0x45u);
    p = ExtractKey(116);
    EXPECT_FALSE(p.Ctrl || p.Alt || p.Shift || p.Win);
    EXPECT_EQ(p.Key, 116u);
}

TEST_F(ShortcutPicker, EditModeRestoresBoxesAndFindsTheKeyByName) {
    ShortcutBoxes boxes = BoxesOfHotKey(24692);
    EXPECT_TRUE(boxes.Ctrl);
    EXPECT_TRUE(boxes.Shift);
    EXPECT_FALSE(boxes.Alt);
    EXPECT_FALSE(boxes.Win);
    EXPECT_EQ(ChosenKeyForHotKey(api, keys, 24692, 0), IndexOf("F5"));

    boxes = BoxesOfHotKey(0x10000 + 0x45);  // Win+E: the hidden box is checked
    EXPECT_TRUE(boxes.Win);
    EXPECT_FALSE(boxes.Ctrl);
    EXPECT_EQ(GetSelectedHotKey(boxes, keys, ChosenKeyForHotKey(api, keys, 0x10045, 0)), 0x10045u);

    // Of two codes with one name, the first in list order comes back.
    EXPECT_EQ(keys[ChosenKeyForHotKey(api, keys, 0x4000 + 0xBF, 0)].Key, 0x6F);
    // A key whose name is not listed (a changed layout) keeps the choice.
    EXPECT_EQ(ChosenKeyForHotKey(api, keys, 0x4000 + 0xFF, 5), 5);
    api.SetKeyName(0x74, 0x3F, "Funf");
    EXPECT_EQ(ChosenKeyForHotKey(api, keys, 24692, 0), 0);
}

TEST_F(ShortcutPicker, MessageTexts) {
    EXPECT_EQ(AvailabilityText("Ctrl+Shift+F5", true), "Ctrl+Shift+F5 is available for registration.");
    EXPECT_EQ(AvailabilityText("Ctrl+Shift+F5", false), "Ctrl+Shift+F5 is NOT available for registration.");
    EXPECT_EQ(NotAHotkeyText(""), " doesn't appear to be a hotkey.");
    EXPECT_EQ(AlreadyUsingText("Ctrl+Shift+F5"), "Ctrl+Shift+F5 is already using. Please select another hotkey.");
    EXPECT_STREQ(kNoHotkeySpecified, "No hotkey specified.");
}

TEST_F(ShortcutPicker, SameCombinationLooksAtWhatIsRegistered) {
    EXPECT_TRUE(SameCombination(24692, 24692));
    EXPECT_TRUE(SameCombination(24692, 24692 + 0x100));  // the key's low 8 bits only
    EXPECT_FALSE(SameCombination(24692, 24693));
    EXPECT_FALSE(SameCombination(0x4074, 0x6074));
}

}  // namespace
}  // namespace kv
