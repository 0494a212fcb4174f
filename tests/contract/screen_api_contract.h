#pragma once
// What every ScreenApi does, the fake as the platform: a virtual screen with
// an area, captures sized to the rectangle at a DIB depth with rows padded
// to 4 bytes, no capture of an empty rectangle, and a clock that gives a
// valid local time.
#include <gtest/gtest.h>

#include "platform/ScreenApi.h"

namespace kv {
namespace contract {

template <typename Side>
class ScreenApiContract : public ::testing::Test {
protected:
    typename Side::Api api;
};

TYPED_TEST_SUITE_P(ScreenApiContract);

TYPED_TEST_P(ScreenApiContract, TheVirtualScreenHasAnArea) {
    const Rect screen = this->api.VirtualScreen();
    EXPECT_GT(screen.width, 0);
    EXPECT_GT(screen.height, 0);
}

TYPED_TEST_P(ScreenApiContract, ACaptureIsSizedToItsRectangleAtADibDepth) {
    const Rect screen = this->api.VirtualScreen();
    const Rect area{screen.left + 3, screen.top + 2, 13, 7};
    Bitmap bitmap;
    ASSERT_TRUE(this->api.CaptureScreen(area, bitmap));
    EXPECT_EQ(bitmap.width, 13);
    EXPECT_EQ(bitmap.height, 7);
    const int depth = bitmap.bitsPerPixel;
    EXPECT_TRUE(depth == 1 || depth == 4 || depth == 8 || depth == 16 || depth == 24 || depth == 32) << depth;
    EXPECT_EQ(bitmap.RowBytes() % 4, 0);
    EXPECT_EQ(bitmap.PixelBytes(), std::size_t(bitmap.RowBytes()) * 7);
    EXPECT_NE(bitmap.Pixels(), nullptr);
    if (depth > 8) {
        EXPECT_TRUE(bitmap.palette.empty());
    }
}

TYPED_TEST_P(ScreenApiContract, AnEmptyRectangleIsNotCaptured) {
    Bitmap bitmap;
    EXPECT_FALSE(this->api.CaptureScreen(Rect{0, 0, 0, 10}, bitmap));
    EXPECT_FALSE(this->api.CaptureScreen(Rect{0, 0, 10, 0}, bitmap));
}

TYPED_TEST_P(ScreenApiContract, TheClockGivesAValidLocalTime) {
    const LocalTime t = this->api.Now();
    EXPECT_GE(t.year, 1980);
    EXPECT_TRUE(t.month >= 1 && t.month <= 12) << t.month;
    EXPECT_TRUE(t.day >= 1 && t.day <= 31) << t.day;
    EXPECT_TRUE(t.hour >= 0 && t.hour < 24) << t.hour;
    EXPECT_TRUE(t.minute >= 0 && t.minute < 60) << t.minute;
    EXPECT_TRUE(t.second >= 0 && t.second < 61) << t.second;
    EXPECT_TRUE(t.millisecond >= 0 && t.millisecond < 1000) << t.millisecond;
}

REGISTER_TYPED_TEST_SUITE_P(ScreenApiContract, TheVirtualScreenHasAnArea, ACaptureIsSizedToItsRectangleAtADibDepth,
                            AnEmptyRectangleIsNotCaptured, TheClockGivesAValidLocalTime);

}  // namespace contract
}  // namespace kv
