#include <gtest/gtest.h>

#include "library/picture_capture_step.h"

namespace kv {
namespace {

TEST(ViewPixel, DrawingPointToViewPixelsTruncatedTowardZero) {
    // 200 drawing units over 400 pixels: half a unit per pixel; y grows downward on screen.
    const ViewReadings view{{100, 50, 0}, 600, 400, 200};
    std::optional<ScreenPoint> p = ViewPixel(view, {100, 50, 0});
    ASSERT_TRUE(p);
    EXPECT_EQ(300, p->x);
    EXPECT_EQ(200, p->y);
    p = ViewPixel(view, {110.3, 30.1, 0});
    ASSERT_TRUE(p);
    EXPECT_EQ(320, p->x);  // 320.6
    EXPECT_EQ(239, p->y);  // 239.8
    p = ViewPixel(view, {-60.3, 160.4, 0});
    ASSERT_TRUE(p);
    EXPECT_EQ(-20, p->x);  // -20.6 toward zero
    EXPECT_EQ(-20, p->y);  // -20.8
}

TEST(ViewPixel, ViewWithoutSizeOrPointFarOffGivesNothing) {
    EXPECT_FALSE(ViewPixel({{0, 0, 0}, 600, 0, 200}, {1, 1, 0}));
    EXPECT_FALSE(ViewPixel({{0, 0, 0}, 600, 400, 0}, {1, 1, 0}));
    EXPECT_FALSE(ViewPixel({{0, 0, 0}, 600, 400, 1e-9}, {1e9, 0, 0}));
}

}  // namespace
}  // namespace kv
