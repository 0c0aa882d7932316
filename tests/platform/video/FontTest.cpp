#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <string>

#include "platform/video/Font.h"

namespace {

using platform::font::cellHeight;
using platform::font::glyph;

using Rows = std::array<std::uint8_t, cellHeight>;

constexpr int firstPrintable = 32;
constexpr int lastPrintable = 126;

Rows rowsOf(int c) {
    Rows rows{};
    std::copy_n(glyph(static_cast<unsigned char>(c)), cellHeight, rows.begin());
    return rows;
}

std::string nameOf(int c) {
    return "'" + std::string(1, static_cast<char>(c)) + "' (" + std::to_string(c) + ")";
}

// The first and last rows with ink, or -1 for a blank glyph.
int topRow(int c) {
    const Rows rows = rowsOf(c);
    for (int y = 0; y < cellHeight; ++y) {
        if (rows[y] != 0) return y;
    }
    return -1;
}

int bottomRow(int c) {
    const Rows rows = rowsOf(c);
    for (int y = cellHeight - 1; y >= 0; --y) {
        if (rows[y] != 0) return y;
    }
    return -1;
}

constexpr int capTop = 3;
constexpr int xHeightTop = 5;
constexpr int baseline = 11;
constexpr int descenderBottom = 14;

}  // namespace

TEST(FontTest, SpaceIsBlank) {
    EXPECT_EQ(topRow(' '), -1);
}

TEST(FontTest, EveryOtherPrintableCharacterHasInk) {
    for (int c = firstPrintable + 1; c <= lastPrintable; ++c) {
        EXPECT_NE(topRow(c), -1) << nameOf(c);
    }
}

TEST(FontTest, NoTwoPrintableCharactersLookAlike) {
    for (int a = firstPrintable; a <= lastPrintable; ++a) {
        for (int b = a + 1; b <= lastPrintable; ++b) {
            EXPECT_NE(rowsOf(a), rowsOf(b)) << nameOf(a) << " and " << nameOf(b);
        }
    }
}

TEST(FontTest, CharactersWithoutAGlyphShowTheQuestionMark) {
    const Rows question = rowsOf('?');
    for (int c = 0; c < 256; ++c) {
        if (c >= firstPrintable && c <= lastPrintable) continue;
        EXPECT_EQ(rowsOf(c), question) << c;
    }
}

TEST(FontTest, TheRightColumnStaysEmptySoLettersNeverTouch) {
    for (int c = firstPrintable; c <= lastPrintable; ++c) {
        for (int y = 0; y < cellHeight; ++y) {
            EXPECT_EQ(rowsOf(c)[y] & 0x01, 0) << nameOf(c) << " row " << y;
        }
    }
}

TEST(FontTest, StackedLinesNeverTouch) {
    for (int c = firstPrintable; c <= lastPrintable; ++c) {
        const Rows rows = rowsOf(c);
        EXPECT_EQ(rows[0], 0) << nameOf(c);
        EXPECT_EQ(rows[1], 0) << nameOf(c);
        EXPECT_EQ(rows[cellHeight - 1], 0) << nameOf(c);
    }
}

TEST(FontTest, CapitalsAndDigitsShareTopAndBaseline) {
    const std::string tall = "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    for (char c : tall) {
        EXPECT_EQ(topRow(c), capTop) << nameOf(c);
        EXPECT_EQ(bottomRow(c), baseline) << nameOf(c);
    }
}

TEST(FontTest, LowercaseSitsOnTheBaselineAndOnlyGjpqyDescend) {
    const std::string descenders = "gjpqy";
    for (char c = 'a'; c <= 'z'; ++c) {
        if (descenders.find(c) != std::string::npos) {
            EXPECT_GT(bottomRow(c), baseline) << nameOf(c);
            EXPECT_LE(bottomRow(c), descenderBottom) << nameOf(c);
        } else {
            EXPECT_EQ(bottomRow(c), baseline) << nameOf(c);
        }
    }
}

TEST(FontTest, LowercaseBodiesShareTheXHeightAndAscendersReachTheCapitals) {
    for (char c : std::string("acegmnopqrsuvwxyz")) EXPECT_EQ(topRow(c), xHeightTop) << nameOf(c);
    for (char c : std::string("bdfhijklt")) EXPECT_EQ(topRow(c), capTop) << nameOf(c);
}
