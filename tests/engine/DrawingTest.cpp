#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "graphics/GraphicsEngine.h"
#include "graphics/Image.h"
#include "support/EngineTest.h"

using Lines = std::vector<std::string>;

class DrawingTest : public EngineTest {
protected:
    void SetUp() override {
        EngineTest::SetUp();
        start();
        back = engine->graphicsService()->getBackbuffer();
    }

    // An image of the given size whose pixel (x, y) holds `pattern(x, y)`, keyed on black.
    template <typename Pattern>
    std::unique_ptr<Image> makeImage(int width, int height, Pattern pattern) {
        auto surface =
            engine->graphicsService()->getDDObject()->createOffscreenSurface(width, height);
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x) surface->setPixel(x, y, pattern(x, y));
        }
        surface->setColorKey(0, 0);
        return std::make_unique<Image>(std::move(surface), width, height);
    }

    platform::Surface* back = nullptr;
};

TEST_F(DrawingTest, ADestinationOfTheBoundsSizeCopiesTheFrameOneToOne) {
    auto image = makeImage(8, 4, [](int x, int y) { return std::uint16_t(1 + x + 8 * y); });
    image->setRect(2, 1, 6, 3);
    engine->drawImage(image.get(), platform::Rect{100, 50, 104, 52});
    for (int y = 0; y < 2; ++y) {
        for (int x = 0; x < 4; ++x) {
            EXPECT_EQ(back->pixel(100 + x, 50 + y), 1 + (x + 2) + 8 * (y + 1));
        }
    }
    EXPECT_EQ(back->pixel(104, 50), 0);
}

TEST_F(DrawingTest, ADestinationTwiceAsWideStretchesHorizontally) {
    auto image = makeImage(3, 1, [](int x, int) { return std::uint16_t(10 + x); });
    engine->drawImage(image.get(), platform::Rect{0, 0, 6, 1});
    const std::vector<std::uint16_t> expected{10, 10, 11, 11, 12, 12};
    for (int x = 0; x < 6; ++x) EXPECT_EQ(back->pixel(x, 0), expected[x]) << x;
}

TEST_F(DrawingTest, TheStepIsTruncatedSoAThreefoldStretchOfTwoColumnsRepeatsTheFirstFourTimes) {
    auto image = makeImage(2, 1, [](int x, int) { return std::uint16_t(20 + x); });
    engine->drawImage(image.get(), platform::Rect{0, 0, 6, 1});
    const std::vector<std::uint16_t> expected{20, 20, 20, 20, 21, 21};
    for (int x = 0; x < 6; ++x) EXPECT_EQ(back->pixel(x, 0), expected[x]) << x;
}

TEST_F(DrawingTest, ADestinationStartingLeftOfTheScreenDrawsOnlyItsVisiblePart) {
    auto image = makeImage(40, 2, [](int x, int) { return std::uint16_t(100 + x); });
    engine->drawImage(image.get(), platform::Rect{-20, 0, 20, 2});
    for (int x = 0; x < 20; ++x) EXPECT_EQ(back->pixel(x, 0), 120 + x);
    EXPECT_EQ(back->pixel(20, 0), 0);
}

TEST_F(DrawingTest, AClippedStretchShowsThePixelsTheUnclippedOneWould) {
    auto image = makeImage(7, 5, [](int x, int y) { return std::uint16_t(1 + x + 7 * y); });
    // The same stretch once wholly on screen and once hanging over the bottom-right corner.
    engine->drawImage(image.get(), platform::Rect{10, 10, 33, 27});
    std::vector<std::uint16_t> whole;
    for (int y = 0; y < 17; ++y)
        for (int x = 0; x < 23; ++x) whole.push_back(back->pixel(10 + x, 10 + y));
    engine->drawImage(image.get(), platform::Rect{790, 590, 813, 607});
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 10; ++x)
            EXPECT_EQ(back->pixel(790 + x, 590 + y), whole[y * 23 + x]) << x << "," << y;
}

TEST_F(DrawingTest, ADestinationWhollyOffScreenDrawsNothing) {
    auto image = makeImage(4, 4, [](int, int) { return std::uint16_t(0xFFFF); });
    for (const platform::Rect& r : {platform::Rect{-10, 0, -6, 4}, platform::Rect{800, 0, 804, 4},
                                    platform::Rect{0, 600, 4, 604}, platform::Rect{0, -4, 4, 0}}) {
        engine->drawImage(image.get(), r);
    }
    for (int y = 0; y < 600; y += 7)
        for (int x = 0; x < 800; x += 7) ASSERT_EQ(back->pixel(x, y), 0);
    EXPECT_TRUE(linesSinceStart().empty());
}

TEST_F(DrawingTest, BlackPixelsOfABlackKeyedImageLeaveTheScreenAsItWas) {
    const platform::Rect area{0, 0, 4, 4};
    back->colorFill(&area, 0x1234);
    auto image =
        makeImage(4, 4, [](int x, int y) { return std::uint16_t((x + y) % 2 ? 0 : 0x0821); });
    engine->drawImage(image.get(), area);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x) EXPECT_EQ(back->pixel(x, y), (x + y) % 2 ? 0x1234 : 0x0821);
}

TEST_F(DrawingTest, ANullImageDrawsNothingAndLogsNothing) {
    engine->drawImage(nullptr, platform::Rect{0, 0, 10, 10});
    EXPECT_TRUE(linesSinceStart().empty());
}

TEST_F(DrawingTest, PixelArraysWriteThePackedColourInsideTheScreenOnly) {
    ASSERT_TRUE(engine->lockScreen());
    const std::vector<platform::Point> points{{799, 599}, {800, 0}, {0, 600},
                                              {-1, 5},    {3, -1},  {0, 0}};
    engine->drawPixelArray(points.data(), static_cast<int>(points.size()), 31, 31, 31);
    const platform::Point grey{10, 20};
    engine->drawPixelArray(&grey, 1, 10, 10, 10);
    engine->unlockScreen();
    EXPECT_EQ(back->pixel(799, 599), 0xFBFF);
    EXPECT_EQ(back->pixel(0, 0), 0xFBFF);
    EXPECT_EQ(back->pixel(10, 20), 0x514A);
    int written = 0;
    for (int y = 0; y < 600; ++y)
        for (int x = 0; x < 800; ++x) written += back->pixel(x, y) != 0;
    EXPECT_EQ(written, 3);
}

TEST_F(DrawingTest, ACountOfZeroWritesNothing) {
    ASSERT_TRUE(engine->lockScreen());
    const platform::Point p{5, 5};
    engine->drawPixelArray(&p, 0, 31, 31, 31);
    engine->unlockScreen();
    EXPECT_EQ(back->pixel(5, 5), 0);
}

TEST_F(DrawingTest, AFailedLockIsLoggedAndThePixelWritesOfThatPassDoNothing) {
    backend.fail("display.lock", 1);
    EXPECT_FALSE(engine->lockScreen());
    const platform::Point p{5, 5};
    engine->drawPixelArray(&p, 1, 31, 31, 31);
    engine->unlockScreen();
    EXPECT_EQ(back->pixel(5, 5), 0);
    EXPECT_EQ(linesSinceStart(), (Lines{"ERROR: unable to lock back buffer"}));
}

TEST_F(DrawingTest, PixelWritesOutsideALockDoNothing) {
    ASSERT_TRUE(engine->lockScreen());
    engine->unlockScreen();
    const platform::Point p{5, 5};
    engine->drawPixelArray(&p, 1, 31, 31, 31);
    EXPECT_EQ(back->pixel(5, 5), 0);
}

TEST_F(DrawingTest, ALockGivesTheBackBuffersAddressAndPitch) {
    ASSERT_TRUE(engine->lockScreen());
    const platform::SurfaceDesc* desc = engine->graphicsService()->getSurfaceStruct();
    EXPECT_NE(desc->surface, nullptr);
    EXPECT_GE(desc->pitch, 1600);
    engine->unlockScreen();
}

TEST_F(DrawingTest, SinglePixelsGoThroughTheClipper) {
    engine->drawPixel(799, 599, 31, 63, 31);
    engine->drawPixel(800, 599, 31, 63, 31);
    engine->drawPixel(-1, -1, 31, 63, 31);
    EXPECT_EQ(back->pixel(799, 599), 0xFFFF);
}
