#include <gtest/gtest.h>

#include "platform/input/MouseScale.h"

// The cursor moves one game pixel for every screen pixel of the scaled picture, and slow motion
// adds up rather than being lost.
TEST(MouseScaleTest, CountsScreenPixelsOfTheScaledPicture) {
    platform::MouseScale scale;
    EXPECT_EQ(scale.x(7), 7) << "unscaled until the picture's scale is known";
    scale.setScale(2.5);
    EXPECT_EQ(scale.x(10), 4);
    EXPECT_EQ(scale.y(-5), -2);
    int moved = 0;
    for (int i = 0; i < 10; ++i) moved += scale.x(1);
    EXPECT_EQ(moved, 4) << "ten screen pixels, one at a time";
    scale.reset();
    scale.setScale(1.8);
    int across = 0;
    for (int i = 0; i < 1440; i += 9) across += scale.x(9);
    EXPECT_EQ(across, 800) << "the width of the picture on a 1920 x 1080 screen";
    scale.setScale(0);
    EXPECT_EQ(scale.y(18), 10) << "a scale of 0 is no scale";
}
