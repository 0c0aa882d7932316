#include <cstdint>
#include <vector>

#include "platform/video/BlitReference.h"
#include "platform/video/Clipper.h"
#include "platform/video/Surface.h"
#include "support/HeadlessTest.h"

using platform::Clipper;
using platform::Rect;
using platform::Surface;

namespace {

constexpr std::uint16_t background = 0x7777;

// Source pixel (x, y) holds a value naming its place, never the key.
std::uint16_t placeValue(int x, int y) {
    return static_cast<std::uint16_t>(0x100 * (y + 1) + x + 1);
}

}  // namespace

class BlitTest : public HeadlessTest {
protected:
    Surface destination{16, 12, platform::PixelFormat{}};
    Clipper clipper;

    void SetUp() override {
        HeadlessTest::SetUp();
        ASSERT_TRUE(destination.colorFill(nullptr, background));
    }
    void clipTo(const Rect& r) {
        ASSERT_TRUE(clipper.setClipList(&r, 1));
        ASSERT_TRUE(destination.setClipper(&clipper));
    }
};

TEST_F(BlitTest, StretchSamplesSourceColumnsAndRowsInFixedPoint) {
    struct Case {
        int sourceWidth, sourceHeight, width, height;
        std::vector<int> columns, rows;
    };
    const Case cases[] = {
        {3, 2, 3, 2, {0, 1, 2}, {0, 1}},
        // The step 2/6 is truncated to 21845, so column 3 still reads source column 0.
        {2, 1, 6, 1, {0, 0, 0, 0, 1, 1}, {0}},
        {3, 1, 2, 1, {0, 1}, {0}},
        {2, 3, 5, 2, {0, 0, 0, 1, 1}, {0, 1}},
    };
    for (const Case& c : cases) {
        for (bool keyed : {false, true}) {
            ASSERT_TRUE(destination.colorFill(nullptr, background));
            Surface source(c.sourceWidth + 2, c.sourceHeight + 1, platform::PixelFormat{});
            paint(source, placeValue);
            ASSERT_TRUE(source.setColorKey(0, 0));
            const Rect from{1, 1, 1 + c.sourceWidth, 1 + c.sourceHeight};
            const Rect to{2, 3, 2 + c.width, 3 + c.height};
            // A repeated blit may take other paths than the first; it must not differ.
            for (int pass = 0; pass < 3; ++pass) {
                ASSERT_TRUE(destination.blit(&to, &source, &from, keyed));
                for (int dy = 0; dy < c.height; ++dy) {
                    for (int dx = 0; dx < c.width; ++dx) {
                        EXPECT_EQ(destination.pixel(to.left + dx, to.top + dy),
                                  placeValue(1 + c.columns[dx], 1 + c.rows[dy]))
                            << c.sourceWidth << "->" << c.width << " at " << dx << "," << dy;
                    }
                }
            }
            EXPECT_EQ(destination.pixel(to.right, to.top), background);
        }
    }
}

TEST_F(BlitTest, EmptyInvertedOrOutsideRectanglesDrawNothingAndFail) {
    Surface source(8, 8, platform::PixelFormat{});
    paint(source, placeValue);
    const Rect good{0, 0, 4, 4};
    const Rect badDestinations[] = {{2, 2, 2, 6}, {2, 2, 6, 2}, {6, 2, 2, 6}, {2, 6, 6, 2}};
    const Rect badSources[] = {{3, 3, 3, 5}, {5, 3, 3, 5}, {-1, 0, 3, 4}, {5, 5, 9, 9}};
    const std::vector<std::uint16_t> before = pixelsOf(destination);
    for (bool clipped : {false, true}) {
        if (clipped) clipTo(Rect{0, 0, 16, 12});
        for (const Rect& to : badDestinations) {
            EXPECT_FALSE(destination.blit(&to, &source, &good, false));
            EXPECT_FALSE(destination.colorFill(&to, 0xF800));
        }
        for (const Rect& from : badSources) {
            EXPECT_FALSE(destination.blit(&good, &source, &from, false));
        }
        EXPECT_EQ(pixelsOf(destination), before);
    }
}

TEST_F(BlitTest, OffEdgeDestinationIsRejectedWithoutClipperAndCutWithOne) {
    Surface source(6, 5, platform::PixelFormat{});
    paint(source, placeValue);
    ASSERT_TRUE(source.setColorKey(0, 0));
    const Rect cases[] = {{-2, 1, 4, 6}, {1, -3, 7, 2},    {12, 2, 18, 7},
                          {3, 9, 9, 14}, {-5, -5, 20, 20}, {20, 2, 26, 7}};
    for (const Rect& to : cases) {
        destination.setClipper(nullptr);
        ASSERT_TRUE(destination.colorFill(nullptr, background));
        const std::vector<std::uint16_t> before = pixelsOf(destination);
        EXPECT_FALSE(destination.blit(&to, &source, nullptr, true));
        EXPECT_FALSE(destination.colorFill(&to, 0x001F));
        EXPECT_EQ(pixelsOf(destination), before);

        const Rect clip{1, 1, 15, 11};
        clipTo(clip);
        for (int pass = 0; pass < 2; ++pass) {
            EXPECT_TRUE(destination.blit(&to, &source, nullptr, true));
            EXPECT_EQ(pixelsOf(destination),
                      referenceBlit(before, 16, 12, to, source, Rect{0, 0, 6, 5}, &clip, true));
        }
    }
}

TEST_F(BlitTest, ColourKeySkipsItsRangeAndCopiesTheNeighbours) {
    struct Case {
        std::uint32_t low, high;
        std::vector<std::uint16_t> skipped, copied;
    };
    const Case cases[] = {
        {0, 0, {0}, {1, 0x20, 0xFFFF}},
        {0x0841, 0x0841, {0x0841}, {0x0840, 0x0842}},
        {0x0100, 0x0200, {0x0100, 0x0150, 0x0200}, {0x00FF, 0x0201}},
        // A high end below the low end is the low end alone.
        {0x0300, 0x0100, {0x0300}, {0x0100, 0x0200, 0x02FF, 0x0301}},
        // No 16-bit pixel lies in a range above 0xFFFF.
        {0x10000, 0x10000, {}, {0, 0xFFFF}},
    };
    for (const Case& c : cases) {
        std::vector<std::uint16_t> values = c.skipped;
        values.insert(values.end(), c.copied.begin(), c.copied.end());
        const int n = static_cast<int>(values.size());
        Surface source(n, 1, platform::PixelFormat{});
        paint(source, [&](int x, int) { return values[x]; });
        ASSERT_TRUE(source.setColorKey(c.low, c.high));
        // 1:1 and doubled, each drawn a few times.
        for (int scale : {1, 2}) {
            for (int pass = 0; pass < 3; ++pass) {
                ASSERT_TRUE(destination.colorFill(nullptr, background));
                const Rect to{0, 0, n * scale, scale};
                ASSERT_TRUE(destination.blit(&to, &source, nullptr, true));
                for (int i = 0; i < n; ++i) {
                    const bool skip = i < static_cast<int>(c.skipped.size());
                    EXPECT_EQ(destination.pixel(i * scale, 0), skip ? background : values[i])
                        << "value " << values[i] << " scale " << scale;
                }
            }
        }
    }
}

TEST_F(BlitTest, FillWritesTheRawValueInsideTheClipOnly) {
    const Rect clip{2, 3, 13, 9};
    clipTo(clip);
    // Values with equal and unequal bytes, over the whole surface and over an edge.
    for (std::uint16_t value : {0x0000, 0xF800, 0xABAB, 0x1234}) {
        for (const Rect& area : {Rect{0, 0, 16, 12}, Rect{-4, 5, 7, 20}}) {
            ASSERT_TRUE(destination.colorFill(nullptr, background));
            ASSERT_TRUE(destination.colorFill(&area, value));
            for (int y = 0; y < 12; ++y) {
                for (int x = 0; x < 16; ++x) {
                    const bool inside = x >= std::max(clip.left, area.left) &&
                                        x < std::min(clip.right, area.right) &&
                                        y >= std::max(clip.top, area.top) &&
                                        y < std::min(clip.bottom, area.bottom);
                    ASSERT_EQ(destination.pixel(x, y), inside ? value : background)
                        << x << "," << y;
                }
            }
        }
    }
}
