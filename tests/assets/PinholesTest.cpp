#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "assets/Pinholes.h"

namespace {

// A picture from rows of text: '.' black, any letter a colour of its own.
platform::Bitmap picture(std::initializer_list<std::string> rows) {
    platform::Bitmap b;
    b.height = static_cast<int>(rows.size());
    for (const std::string& row : rows) {
        b.width = static_cast<int>(row.size());
        for (char c : row) {
            b.pixels.push_back(c == '.' ? 0u : static_cast<std::uint32_t>(c) * 0x010101u);
        }
    }
    return b;
}

TEST(Pinholes, FillsAFleckOfBlackShutInsideTheBody) {
    platform::Bitmap b = picture({"......", ".AAAA.", ".A.AA.", ".AAAA.", "......"});
    assets::closePinholes(b, 4);
    EXPECT_EQ(b.at(2, 2), static_cast<std::uint32_t>('A') * 0x010101u);
}

TEST(Pinholes, FillsWithTheColoursAroundTheHole) {
    platform::Bitmap b = picture({".....", ".AAA.", ".B.B.", ".CCC.", "....."});
    assets::closePinholes(b, 4);
    const std::uint32_t expected =
        (static_cast<std::uint32_t>('A') + 2 * 'B' + 'C') / 4 * 0x010101u;
    EXPECT_EQ(b.at(2, 2), expected);
}

TEST(Pinholes, LeavesBlackThatReachesTheEdgeAlone) {
    platform::Bitmap b = picture({"AAAA", "A..A", "A..A", "A.AA"});
    const platform::Bitmap before = b;
    assets::closePinholes(b, 8);
    EXPECT_EQ(b.pixels, before.pixels);
}

TEST(Pinholes, LeavesGapsLargerThanAPinholeAlone) {
    platform::Bitmap b = picture({"AAAAA", "A...A", "A...A", "AAAAA"});
    const platform::Bitmap before = b;
    assets::closePinholes(b, 5);
    EXPECT_EQ(b.pixels, before.pixels);
    assets::closePinholes(b, 6);
    EXPECT_EQ(b.at(2, 1), static_cast<std::uint32_t>('A') * 0x010101u);
}

}  // namespace
