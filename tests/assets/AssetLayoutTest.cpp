#include <gtest/gtest.h>

#include <cctype>
#include <string>

#include "assets/AssetTestSupport.h"
#include "assets/Sheet.h"

namespace {

using assettest::Expected;
using assettest::Frame;
using assettest::transparent;

class AssetLayout : public ::testing::TestWithParam<std::string> {
protected:
    const Expected& e = assettest::expected(GetParam());
};

int visibleIn(const platform::Bitmap& b, const Frame& f) {
    int count = 0;
    for (int y = f.top; y < f.top + f.height; ++y) {
        for (int x = f.left; x < f.left + f.width; ++x) count += !transparent(b.at(x, y));
    }
    return count;
}

bool insideAFrame(const Expected& e, int x, int y) {
    for (int i = 0; i < e.columns * e.rows; ++i) {
        const Frame f = assettest::frameRect(e, i);
        if (x >= f.left && x < f.left + f.width && y >= f.top && y < f.top + f.height) return true;
    }
    return false;
}

TEST_P(AssetLayout, DecodesAtTheSizeTheGameCutsItAt) {
    const platform::Bitmap b = assettest::decodedSheet(e.file);
    EXPECT_EQ(b.width, e.width);
    EXPECT_EQ(b.height, e.height);
    EXPECT_GE(b.width, e.columns * e.cellWidth - e.cellWidth + e.frameLeft + e.frameWidth);
    EXPECT_GE(b.height, e.rows * e.cellHeight - e.cellHeight + e.frameTop + e.frameHeight);
}

TEST_P(AssetLayout, DrawsEveryFrameTheGameShows) {
    const platform::Bitmap b = assettest::decodedSheet(e.file);
    ASSERT_EQ(b.width, e.width);
    for (int i : e.shown) EXPECT_GT(visibleIn(b, assettest::frameRect(e, i)), 0) << "frame " << i;
}

TEST_P(AssetLayout, LeavesTheFramesTheGameNeverShowsBlack) {
    const platform::Bitmap b = assettest::decodedSheet(e.file);
    ASSERT_EQ(b.width, e.width);
    for (int i : e.unused) {
        const Frame cell{i % e.columns * e.cellWidth, i / e.columns * e.cellHeight, e.cellWidth,
                         e.cellHeight};
        EXPECT_EQ(visibleIn(b, cell), 0) << "frame " << i;
    }
}

TEST_P(AssetLayout, DrawsNothingBetweenTheFrames) {
    const platform::Bitmap b = assettest::decodedSheet(e.file);
    ASSERT_EQ(b.width, e.width);
    int stray = 0;
    for (int y = 0; y < b.height; ++y) {
        for (int x = 0; x < b.width; ++x) stray += !insideAFrame(e, x, y) && b.at(x, y) != 0;
    }
    EXPECT_EQ(stray, 0);
}

// A drawing that touches its frame's edge has been cut off there. (Bullets, the cursor and the
// navigation screen may fill their whole pictures.)
class FrameEdges : public AssetLayout {};

TEST_P(FrameEdges, StayClearOfEveryDrawing) {
    const platform::Bitmap b = assettest::decodedSheet(e.file);
    ASSERT_EQ(b.width, e.width);
    for (int i : e.shown) {
        const Frame f = assettest::frameRect(e, i);
        int onEdge = 0;
        for (int x = f.left; x < f.left + f.width; ++x) {
            onEdge += !transparent(b.at(x, f.top)) + !transparent(b.at(x, f.top + f.height - 1));
        }
        for (int y = f.top; y < f.top + f.height; ++y) {
            onEdge += !transparent(b.at(f.left, y)) + !transparent(b.at(f.left + f.width - 1, y));
        }
        EXPECT_EQ(onEdge, 0) << "frame " << i;
    }
}

TEST_P(AssetLayout, MatchesTheGeneratorsOwnGrid) {
    const assets::Sheet* sheet = assets::findSheet(e.file);
    ASSERT_NE(sheet, nullptr);
    EXPECT_EQ(sheet->width, e.width);
    EXPECT_EQ(sheet->height, e.height);
    EXPECT_EQ(sheet->grid.count(), e.columns * e.rows);
    for (int i = 0; i < e.columns * e.rows; ++i) {
        const Frame f = assettest::frameRect(e, i);
        EXPECT_EQ(sheet->grid.left(i), f.left) << "frame " << i;
        EXPECT_EQ(sheet->grid.top(i), f.top) << "frame " << i;
    }
    EXPECT_EQ(sheet->grid.drawWidth, e.drawWidth);
    EXPECT_EQ(sheet->grid.drawHeight, e.drawHeight);
}

std::vector<std::string> files() {
    std::vector<std::string> names;
    for (const Expected& e : assettest::expectedSheets()) names.push_back(e.file);
    return names;
}

std::vector<std::string> framedFiles() {
    std::vector<std::string> names;
    for (const Expected& e : assettest::expectedSheets()) {
        if (e.framed) names.push_back(e.file);
    }
    return names;
}

std::string testName(const ::testing::TestParamInfo<std::string>& info) {
    std::string name;
    for (char c : info.param) {
        if (c == '.') break;
        name += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
    }
    return name;
}

INSTANTIATE_TEST_SUITE_P(EveryBitmap, AssetLayout, ::testing::ValuesIn(files()), testName);
INSTANTIATE_TEST_SUITE_P(FramedBitmaps, FrameEdges, ::testing::ValuesIn(framedFiles()), testName);

TEST(AssetCatalogue, HoldsExactlyTheSeventeenFilesTheGameLoads) {
    ASSERT_EQ(assets::sheets().size(), 17u);
    for (const Expected& e : assettest::expectedSheets()) {
        EXPECT_NE(assets::findSheet(e.file), nullptr) << e.file;
    }
}

TEST(AssetCatalogue, HasTheFlagshipAsTheLargestCapitalShip) {
    const platform::Bitmap flagship = assettest::decodedSheet("flagship1.bmp");
    EXPECT_GE(flagship.width, 600);
    for (const char* other : {"voskcommandship.bmp", "vosktroopcarrier.bmp", "voskdestroyer.bmp"}) {
        const platform::Bitmap b = assettest::decodedSheet(other);
        EXPECT_GT(flagship.width, b.width) << other;
        EXPECT_GT(flagship.width * flagship.height, b.width * b.height) << other;
        EXPECT_GE(b.width, 3 * 85) << other;  // several times the size of our craft
    }
}

}  // namespace
