#include <gtest/gtest.h>

#include "assets/AssetTestSupport.h"

namespace {

struct Area {
    int left, top, right, bottom;
};

// The four hot areas of the navigation screen.
constexpr Area hotAreas[4] = {
    {200, 230, 400, 280}, {460, 180, 660, 230}, {190, 300, 390, 350}, {460, 240, 660, 290}};

int drawnIn(const platform::Bitmap& b, Area a) {
    int count = 0;
    for (int y = a.top; y < a.bottom; ++y) {
        for (int x = a.left; x < a.right; ++x) count += !assettest::transparent(b.at(x, y));
    }
    return count;
}

TEST(NavigationScreen, PutsAButtonOnEveryHotArea) {
    const platform::Bitmap screen = assettest::decodedSheet("navscreen.bmp");
    ASSERT_EQ(screen.width, 800);
    for (const Area& a : hotAreas) {
        const Area inside{a.left + 3, a.top + 3, a.right - 3, a.bottom - 3};
        const int area = (inside.right - inside.left) * (inside.bottom - inside.top);
        // All of it but the bevelled corners.
        EXPECT_GE(drawnIn(screen, inside), area * 99 / 100)
            << "hot area at " << a.left << ", " << a.top;
        // Just outside the hot area the button has ended.
        const Area below{a.left + 12, a.bottom + 1, a.right - 12, a.bottom + 3};
        EXPECT_LT(drawnIn(screen, below), (below.right - below.left) / 2);
    }
}

TEST(NavigationScreen, HasAHighlightInEachOfItsFourCells) {
    const platform::Bitmap sheet = assettest::decodedSheet("selections.bmp");
    ASSERT_EQ(sheet.width, 400);
    for (const Area& cell : {Area{0, 0, 200, 200}, Area{200, 0, 400, 200}, Area{0, 200, 200, 400},
                             Area{200, 200, 400, 400}}) {
        EXPECT_GT(drawnIn(sheet, cell), 200) << cell.left << ", " << cell.top;
    }
}

TEST(Cursor, PointsFromItsTopLeftCorner) {
    const platform::Bitmap cursor = assettest::decodedSheet("cursor.bmp");
    ASSERT_GT(cursor.width, 8);
    EXPECT_FALSE(assettest::transparent(cursor.at(1, 1)));
    EXPECT_FALSE(assettest::transparent(cursor.at(2, 3)));
    EXPECT_TRUE(assettest::transparent(cursor.at(cursor.width - 1, 1)));
    EXPECT_TRUE(assettest::transparent(cursor.at(1, cursor.height - 1)));
}

}  // namespace
