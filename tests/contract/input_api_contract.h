#pragma once
// What every InputApi does, the fake as the platform: the English (US)
// layout's key codes and scan codes, a cursor that stays on the screens, no
// modifier held when nobody presses one, and no window found under a title
// nobody uses. Synthetic key and mouse events are left out: on the platform
// they reach whatever window has the focus.
#include <gtest/gtest.h>

#include "platform/InputApi.h"

namespace kv {
namespace contract {

template <typename Side>
class InputApiContract : public ::testing::Test {
protected:
    typename Side::Api api;
};

TYPED_TEST_SUITE_P(InputApiContract);

TYPED_TEST_P(InputApiContract, CharactersMapToTheirKeysWithShiftInTheHighByte) {
    EXPECT_EQ(this->api.CharToKeyCode('a'), 0x41);
    EXPECT_EQ(this->api.CharToKeyCode('A'), 0x141);
    EXPECT_EQ(this->api.CharToKeyCode('1'), 0x31);
    EXPECT_EQ(this->api.CharToKeyCode('!'), 0x131);
    EXPECT_EQ(this->api.CharToKeyCode(' '), 0x20);
}

TYPED_TEST_P(InputApiContract, KeysHaveTheirScanCodes) {
    EXPECT_EQ(this->api.MapVirtualKeyCode('A', 0), 0x1Eu);
    EXPECT_EQ(this->api.MapVirtualKeyCode(0x74, 0), 0x3Fu);  // F5
    EXPECT_EQ(this->api.MapVirtualKeyCode(0x10, 0), 0x2Au);  // Shift
}

TYPED_TEST_P(InputApiContract, TheCursorMovesOnTheScreensAndStaysOnThem) {
    Point topLeft, bottomRight;
    this->api.GetVirtualScreen(topLeft, bottomRight);
    ASSERT_LT(topLeft.x, bottomRight.x);
    ASSERT_LT(topLeft.y, bottomRight.y);

    const Point inside{topLeft.x + 10, topLeft.y + 20};
    this->api.SetCursorPos(inside);
    EXPECT_EQ(this->api.GetCursorPos(), inside);

    this->api.SetCursorPos(Point{topLeft.x - 5000, topLeft.y - 5000});
    EXPECT_EQ(this->api.GetCursorPos(), topLeft);
    this->api.SetCursorPos(Point{bottomRight.x + 5000, bottomRight.y + 5000});
    EXPECT_EQ(this->api.GetCursorPos(), bottomRight);
}

TYPED_TEST_P(InputApiContract, NoModifierIsHeldWhenNobodyPressesOne) { EXPECT_FALSE(this->api.IsModifierKeyHeld()); }

TYPED_TEST_P(InputApiContract, NoWindowIsActivatedUnderATitleNobodyUses) {
    EXPECT_FALSE(this->api.ActivateWindowByTitle("Keyvane contract: no window has this title"));
}

REGISTER_TYPED_TEST_SUITE_P(InputApiContract, CharactersMapToTheirKeysWithShiftInTheHighByte, KeysHaveTheirScanCodes,
                            TheCursorMovesOnTheScreensAndStaysOnThem, NoModifierIsHeldWhenNobodyPressesOne,
                            NoWindowIsActivatedUnderATitleNobodyUses);

}  // namespace contract
}  // namespace kv
