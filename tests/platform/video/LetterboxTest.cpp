#include <gtest/gtest.h>

#include "platform/win32/Letterbox.h"
#include "support/GeometryPrinting.h"

namespace {

struct Case {
    int width;
    int height;
    platform::Rect picture;
};

// The Windows backend's placing of the 800 x 600 picture, as SDL's logical size places it.
TEST(LetterboxTest, ThePictureFitsWithItsShapeKeptAndCentred) {
    const Case cases[] = {
        {800, 600, {0, 0, 800, 600}},
        {1600, 1200, {0, 0, 1600, 1200}},
        {1920, 1080, {240, 0, 1680, 1080}},
        {1280, 720, {160, 0, 1120, 720}},
        {1280, 1024, {0, 32, 1280, 992}},
        {801, 600, {0, 0, 800, 600}},
        {1366, 768, {171, 0, 1195, 768}},
        {640, 1000, {0, 260, 640, 740}},
        {1, 1, {0, 0, 1, 0}},
        {0, 600, {}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(platform::letterbox(c.width, c.height, 800, 600), c.picture)
            << c.width << " x " << c.height;
    }
}

}  // namespace
