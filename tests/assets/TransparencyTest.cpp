#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "assets/AssetTestSupport.h"

namespace {

using assettest::Expected;
using assettest::Frame;

struct Hole {
    int count = 0;
    int x = 0;
    int y = 0;
};

// Every pixel the colour key removes must be open to the frame's edge; one that is shut in by
// drawn pixels is a hole through the body.
Hole enclosedHoles(const platform::Bitmap& b, const Frame& f) {
    std::vector<char> reached(static_cast<std::size_t>(f.width * f.height), 0);
    std::vector<std::pair<int, int>> todo;
    const auto open = [&](int x, int y) {
        if (x < 0 || y < 0 || x >= f.width || y >= f.height) return;
        char& r = reached[static_cast<std::size_t>(y * f.width + x)];
        if (r || !assettest::transparent(b.at(f.left + x, f.top + y))) return;
        r = 1;
        todo.emplace_back(x, y);
    };
    for (int x = 0; x < f.width; ++x) {
        open(x, 0);
        open(x, f.height - 1);
    }
    for (int y = 0; y < f.height; ++y) {
        open(0, y);
        open(f.width - 1, y);
    }
    while (!todo.empty()) {
        const auto [x, y] = todo.back();
        todo.pop_back();
        open(x + 1, y);
        open(x - 1, y);
        open(x, y + 1);
        open(x, y - 1);
    }
    Hole hole;
    for (int y = 0; y < f.height; ++y) {
        for (int x = 0; x < f.width; ++x) {
            if (assettest::transparent(b.at(f.left + x, f.top + y)) &&
                !reached[static_cast<std::size_t>(y * f.width + x)]) {
                if (hole.count++ == 0) {
                    hole.x = x;
                    hole.y = y;
                }
            }
        }
    }
    return hole;
}

class Holes : public ::testing::TestWithParam<std::string> {};
class Background : public ::testing::TestWithParam<std::string> {};

TEST_P(Holes, OpenNoneInsideAnyBody) {
    const Expected& e = assettest::expected(GetParam());
    const platform::Bitmap b = assettest::decodedSheet(e.file);
    ASSERT_EQ(b.width, e.width);
    for (int i : e.shown) {
        const Hole hole = enclosedHoles(b, assettest::frameRect(e, i));
        EXPECT_EQ(hole.count, 0) << "frame " << i << ": first hole at (" << hole.x << ", " << hole.y
                                 << ") of the frame";
    }
}

TEST_P(Background, IsPureBlack) {
    const Expected& e = assettest::expected(GetParam());
    const platform::Bitmap b = assettest::decodedSheet(e.file);
    int nearBlack = 0;
    for (std::uint32_t p : b.pixels) nearBlack += p != 0 && assettest::transparent(p);
    EXPECT_EQ(nearBlack, 0) << "pixels that only the 5-6-5 truncation turns transparent";
}

std::vector<std::string> solidFiles() {
    std::vector<std::string> names;
    for (const Expected& e : assettest::expectedSheets()) {
        if (e.solid) names.push_back(e.file);
    }
    return names;
}

std::vector<std::string> allFiles() {
    std::vector<std::string> names;
    for (const Expected& e : assettest::expectedSheets()) names.push_back(e.file);
    return names;
}

std::string testName(const ::testing::TestParamInfo<std::string>& info) {
    return info.param.substr(0, info.param.find('.'));
}

INSTANTIATE_TEST_SUITE_P(SolidBitmaps, Holes, ::testing::ValuesIn(solidFiles()), testName);
INSTANTIATE_TEST_SUITE_P(EveryBitmap, Background, ::testing::ValuesIn(allFiles()), testName);

}  // namespace
