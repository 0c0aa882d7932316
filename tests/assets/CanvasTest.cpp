#include <gtest/gtest.h>

#include <cstdint>

#include "assets/Canvas.h"

namespace {

std::uint32_t red(std::uint32_t rgb) {
    return rgb >> 16 & 0xFF;
}

TEST(Canvas, GivesTheDrawingOverBlack) {
    assets::Canvas canvas(4, 2);
    cairo_set_source_rgb(canvas.cr(), 1.0, 0.5, 0.25);
    cairo_rectangle(canvas.cr(), 0, 0, 2, 2);
    cairo_fill(canvas.cr());
    const platform::Bitmap b = canvas.bitmap();
    ASSERT_EQ(b.width, 4);
    ASSERT_EQ(b.height, 2);
    EXPECT_EQ(b.at(0, 0), 0xFF8040u);
    EXPECT_EQ(b.at(1, 1), 0xFF8040u);
    EXPECT_EQ(b.at(2, 0), 0u);
    EXPECT_EQ(b.at(3, 1), 0u);
}

// A faint edge would be a dark rim round the sprite wherever it crosses anything but space.
TEST(Canvas, DropsFaintEdgesAndKeepsTheOthersBright) {
    assets::Canvas canvas(4, 1);
    const double alpha[4] = {0.1, 0.3, 0.6, 1.0};
    for (int x = 0; x < 4; ++x) {
        cairo_set_source_rgba(canvas.cr(), 1.0, 1.0, 1.0, alpha[x]);
        cairo_rectangle(canvas.cr(), x, 0, 1, 1);
        cairo_fill(canvas.cr());
    }
    const platform::Bitmap b = canvas.bitmap();
    EXPECT_EQ(b.at(0, 0), 0u);
    EXPECT_GE(red(b.at(1, 0)), 140u);
    EXPECT_NEAR(static_cast<double>(red(b.at(2, 0))), 0.6 * 255, 2);
    EXPECT_EQ(b.at(3, 0), 0xFFFFFFu);
}

TEST(Canvas, WritesColoursThatTheColourKeyWouldEatAsPureBlack) {
    assets::Canvas canvas(2, 1);
    cairo_set_source_rgb(canvas.cr(), 7 / 255.0, 3 / 255.0, 7 / 255.0);
    cairo_rectangle(canvas.cr(), 0, 0, 1, 1);
    cairo_fill(canvas.cr());
    cairo_set_source_rgb(canvas.cr(), 8 / 255.0, 3 / 255.0, 7 / 255.0);
    cairo_rectangle(canvas.cr(), 1, 0, 1, 1);
    cairo_fill(canvas.cr());
    const platform::Bitmap b = canvas.bitmap();
    EXPECT_EQ(b.at(0, 0), 0u);
    EXPECT_EQ(b.at(1, 0), 0x080307u);
    EXPECT_TRUE(assets::keyedOut(0x070307));
    EXPECT_FALSE(assets::keyedOut(0x080307));
    EXPECT_FALSE(assets::keyedOut(0x000400));
}

}  // namespace
