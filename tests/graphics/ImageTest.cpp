#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "graphics/GraphicsEngine.h"
#include "graphics/Image.h"
#include "support/BmpBuilder.h"
#include "support/EngineTest.h"

using Lines = std::vector<std::string>;

class ImageTest : public EngineTest {
protected:
    void SetUp() override {
        EngineTest::SetUp();
        start();
    }

    // A 24-bit bitmap file whose pixel (x, y) is colour(x, y), 0x00RRGGBB.
    template <typename Colour>
    void writeBitmap(const std::string& name, int width, int height, Colour colour) {
        std::vector<std::vector<std::uint32_t>> rows;
        for (int y = height - 1; y >= 0; --y) {
            std::vector<std::uint32_t> row;
            for (int x = 0; x < width; ++x) row.push_back(colour(x, y));
            rows.push_back(row);
        }
        BmpBuilder bmp;
        bmp.width = width;
        bmp.height = height;
        bmp.pixels = BmpBuilder::packRows(24, rows);
        writeFile(name, bmp.build());
    }

    Image* load(const std::string& name) {
        Image* image = engine->loadImage(name);
        loaded.push_back(image);
        return image;
    }

    void TearDown() override {
        for (Image* image : loaded) engine->deleteImage(image);
        EngineTest::TearDown();
    }

    std::vector<Image*> loaded;
};

TEST_F(ImageTest, AnImageStartsWithBoundsOverTheWholeBitmap) {
    writeBitmap("sheet.bmp", 128, 64, [](int, int) { return 0x808080u; });
    Image* image = load("sheet.bmp");
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(image->getBounds(), (platform::Rect{0, 0, 128, 64}));
    EXPECT_EQ(image->getWidth(), 128);
    EXPECT_EQ(image->getHeight(), 64);
    EXPECT_EQ(image->getGraphic()->width(), 128);
    EXPECT_TRUE(linesSinceStart().empty());
}

TEST_F(ImageTest, TheBoundsAreMeasuredNotTheSurface) {
    writeBitmap("sheet.bmp", 128, 64, [](int, int) { return 0x808080u; });
    Image* image = load("sheet.bmp");
    ASSERT_NE(image, nullptr);
    image->setRect(64, 0, 128, 32);
    EXPECT_EQ(image->getWidth(), 64);
    EXPECT_EQ(image->getHeight(), 32);
    EXPECT_EQ(image->getBounds(), (platform::Rect{64, 0, 128, 32}));
    image->setBounds(platform::Rect{-5, 500, 300, 900});
    EXPECT_EQ(image->getWidth(), 305);
    EXPECT_EQ(image->getHeight(), 400);
}

TEST_F(ImageTest, PixelsAreTruncatedToFiveSixFive) {
    const std::vector<std::uint32_t> colours{0x000000, 0xFFFFFF, 0x070307, 0x080408,
                                             0xFF00FF, 0x00FF00, 0x808080};
    const std::vector<std::uint16_t> expected{0x0000, 0xFFFF, 0x0000, 0x0821,
                                              0xF81F, 0x07E0, 0x8410};
    writeBitmap("row.bmp", 7, 1, [&](int x, int) { return colours[x]; });
    Image* image = load("row.bmp");
    ASSERT_NE(image, nullptr);
    for (int x = 0; x < 7; ++x) EXPECT_EQ(image->getGraphic()->pixel(x, 0), expected[x]) << x;
}

TEST_F(ImageTest, BlackKeysToZeroAndOnlyTheLowEightBitsOfEachComponentCount) {
    writeBitmap("a.bmp", 4, 4, [](int, int) { return 0xC86432u; });
    Image* image = load("a.bmp");
    ASSERT_NE(image, nullptr);
    const std::uint16_t corner = image->getGraphic()->pixel(0, 0);
    EXPECT_TRUE(engine->setColorKey(image, 0, 0, 0));
    EXPECT_EQ(image->getGraphic()->colorKeyLow(), 0u);
    EXPECT_EQ(image->getGraphic()->colorKeyHigh(), 0u);
    EXPECT_EQ(image->getGraphic()->pixel(0, 0), corner) << "the colour match puts the pixel back";
    EXPECT_TRUE(engine->setColorKey(image, 256, 512, 768));
    EXPECT_EQ(image->getGraphic()->colorKeyLow(), 0u);
    EXPECT_TRUE(engine->setColorKey(image, 255, 0, 0));
    EXPECT_EQ(image->getGraphic()->colorKeyLow(), 0xF800u);
    EXPECT_EQ(image->getGraphic()->pixel(0, 0), corner);
}

TEST_F(ImageTest, ALoadedKeyedImageLeavesTheScreenUnderItsBlackPixels) {
    writeBitmap("dot.bmp", 3, 3, [](int x, int y) { return x == 1 && y == 1 ? 0xFFFFFFu : 0u; });
    Image* image = load("dot.bmp");
    ASSERT_TRUE(engine->setColorKey(image, 0, 0, 0));
    platform::Surface* back = engine->graphicsService()->getBackbuffer();
    const platform::Rect area{10, 10, 13, 13};
    back->colorFill(&area, 0x1111);
    engine->drawImage(image, area);
    EXPECT_EQ(back->pixel(11, 11), 0xFFFF);
    EXPECT_EQ(back->pixel(10, 10), 0x1111);
    EXPECT_EQ(back->pixel(12, 12), 0x1111);
}

TEST_F(ImageTest, AMissingFileWritesExactlyOneLineAndGivesNull) {
    EXPECT_EQ(load("nowhere.bmp"), nullptr);
    EXPECT_EQ(linesSinceStart(), (Lines{"ERROR: unable to load bitmap"}));
}

TEST_F(ImageTest, NullImagesAreHarmless) {
    engine->deleteImage(nullptr);
    EXPECT_FALSE(engine->setColorKey(nullptr, 0, 0, 0));
    EXPECT_TRUE(linesSinceStart().empty());
}

struct LoadFailure {
    const char* fault;
    const char* line;
    // The copy into the new surface asks for its description too.
    int times = 1;
};

void PrintTo(const LoadFailure& failure, std::ostream* out) {
    *out << failure.fault;
}

class ImageLoadFailureTest : public ImageTest, public ::testing::WithParamInterface<LoadFailure> {};

TEST_P(ImageLoadFailureTest, LogsOneLineAndGivesNull) {
    writeBitmap("a.bmp", 2, 2, [](int, int) { return 0xFFFFFFu; });
    backend.fail(GetParam().fault, GetParam().times);
    EXPECT_EQ(load("a.bmp"), nullptr);
    EXPECT_EQ(linesSinceStart(), (Lines{GetParam().line}));
    EXPECT_NE(load("a.bmp"), nullptr) << "the next load works again";
}

INSTANTIATE_TEST_SUITE_P(
    EveryStep, ImageLoadFailureTest,
    ::testing::Values(LoadFailure{"bitmap.load", "ERROR: unable to load bitmap"},
                      LoadFailure{"display.offscreenSurface", "ERROR: unable to load bitmap"},
                      LoadFailure{"display.surfaceDesc",
                                  "ERROR: unable to get image surface descriptor", 2}),
    [](const auto& info) {
        std::string name = info.param.fault;
        return name.substr(name.find('.') + 1);
    });

TEST_F(ImageTest, AKeyThatCannotBeSetIsLoggedAndTheImageStays) {
    writeBitmap("a.bmp", 2, 2, [](int, int) { return 0xFFFFFFu; });
    Image* image = load("a.bmp");
    backend.fail("display.colorKey", 1);
    EXPECT_FALSE(engine->setColorKey(image, 0, 0, 0));
    EXPECT_EQ(linesSinceStart(), (Lines{"ERROR: Unable to set colour key"}));
    EXPECT_FALSE(image->getGraphic()->hasColorKey());
}

TEST_F(ImageTest, WithoutADrawingContextTheKeyIsTheCornerPixelsOwnColour) {
    writeBitmap("a.bmp", 2, 2, [](int x, int) { return x == 0 ? 0xFF0000u : 0u; });
    Image* image = load("a.bmp");
    backend.fail("display.dc");
    EXPECT_TRUE(engine->setColorKey(image, 0, 0, 0));
    EXPECT_EQ(image->getGraphic()->colorKeyLow(), 0xF800u);
    EXPECT_EQ(image->getGraphic()->pixel(0, 0), 0xF800) << "nothing was written into the corner";
}

TEST_F(ImageTest, WhenTheSurfaceCannotBeLockedTheKeyMatchesNoPixel) {
    writeBitmap("a.bmp", 2, 1, [](int x, int) { return x == 0 ? 0u : 0xFFFFFFu; });
    Image* image = load("a.bmp");
    backend.fail("display.lock", 1);
    EXPECT_TRUE(engine->setColorKey(image, 0, 0, 0));
    EXPECT_EQ(image->getGraphic()->colorKeyLow(), platform::colorInvalid);
    platform::Surface* back = engine->graphicsService()->getBackbuffer();
    const platform::Rect area{0, 0, 2, 1};
    back->colorFill(&area, 0x1111);
    engine->drawImage(image, area);
    EXPECT_EQ(back->pixel(0, 0), 0x0000) << "black is drawn like any colour";
    EXPECT_EQ(image->getGraphic()->pixel(0, 0), 0x0000) << "the corner pixel is back";
}
