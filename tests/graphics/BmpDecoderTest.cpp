#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "graphics/BitmapFunctions.h"
#include "graphics/BmpDecoder.h"
#include "support/BmpBuilder.h"
#include "support/HeadlessTest.h"

namespace {

using Rows = std::vector<std::vector<std::uint32_t>>;

// The decoded pixels, top row first; empty when the decoder refuses the file.
Rows decoded(const std::vector<std::uint8_t>& file) {
    platform::Bitmap bitmap;
    if (!decodeBmp(file, bitmap)) return {};
    Rows rows(static_cast<std::size_t>(bitmap.height));
    for (int y = 0; y < bitmap.height; ++y) {
        for (int x = 0; x < bitmap.width; ++x) rows[y].push_back(bitmap.at(x, y));
    }
    return rows;
}

std::vector<std::uint32_t> testPalette(int entries) {
    std::vector<std::uint32_t> palette;
    for (int i = 0; i < entries; ++i) palette.push_back(0x10305Au * static_cast<unsigned>(i + 1));
    for (auto& colour : palette) colour &= 0xFFFFFF;
    return palette;
}

Rows coloursOf(Rows indices, const std::vector<std::uint32_t>& palette) {
    for (auto& row : indices) {
        for (auto& value : row) value = palette[value];
    }
    return indices;
}

// A 3 x 2 picture at each depth: the stored values, top row first, and the colours they mean.
struct Picture {
    int bitCount;
    Rows stored;
    Rows colours;
};

Picture pictureAt(int bitCount) {
    if (bitCount <= 8) {
        const std::uint32_t top = (1u << bitCount) - 1;
        const Rows stored{{1, 0, top}, {top - 1, 1, 0}};
        return {bitCount, stored, coloursOf(stored, testPalette(1 << bitCount))};
    }
    if (bitCount == 16) {
        // X1R5G5B5: 5-bit fields widen by repeating their top bits; the top bit means nothing.
        return {16,
                {{0x7C00, 0x03E0, 0x001F}, {0x0421, 0xFFFF, 0x8000}},
                {{0xFF0000, 0x00FF00, 0x0000FF}, {0x080808, 0xFFFFFF, 0x000000}}};
    }
    // 24 bits are B, G, R; 32 bits add a byte that is not alpha to us.
    const std::uint32_t junk = bitCount == 32 ? 0xAB000000 : 0;
    return {bitCount,
            {{0x123456 | junk, 0xFF0000, 0x00FF00}, {0x0000FF, 0xFFFFFF | junk, 0x000001}},
            {{0x123456, 0xFF0000, 0x00FF00}, {0x0000FF, 0xFFFFFF, 0x000001}}};
}

BmpBuilder fileOf(const Picture& picture, std::uint32_t headerSize, bool topDown) {
    BmpBuilder file;
    file.headerSize = headerSize;
    file.width = 3;
    file.height = topDown ? -2 : 2;
    file.bitCount = static_cast<std::uint16_t>(picture.bitCount);
    if (picture.bitCount <= 8) file.palette = testPalette(1 << picture.bitCount);
    Rows stored = picture.stored;
    if (!topDown) std::reverse(stored.begin(), stored.end());
    file.pixels = BmpBuilder::packRows(picture.bitCount, stored);
    return file;
}

}  // namespace

TEST(BmpDecoderTest, EveryHeaderSizeAndDepthInBothRowOrders) {
    for (std::uint32_t headerSize : {12u, 40u, 52u, 56u, 108u, 124u}) {
        for (int bitCount : {1, 4, 8, 16, 24, 32}) {
            // The 12-byte header knows neither 16 and 32 bits nor top-down rows.
            if (headerSize == 12 && (bitCount == 16 || bitCount == 32)) continue;
            for (bool topDown : {false, true}) {
                if (headerSize == 12 && topDown) continue;
                SCOPED_TRACE(std::to_string(headerSize) + " bytes, " + std::to_string(bitCount) +
                             " bits, " + (topDown ? "top-down" : "bottom-up"));
                const Picture picture = pictureAt(bitCount);
                EXPECT_EQ(decoded(fileOf(picture, headerSize, topDown).build()), picture.colours);
            }
        }
    }
}

TEST(BmpDecoderTest, BitFieldsWidenNarrowFieldsAndKeepTheTopOfWideOnes) {
    struct Case {
        std::uint32_t headerSize;
        std::uint16_t bitCount;
        std::array<std::uint32_t, 4> masks;
        std::uint32_t pixel;
        std::uint32_t colour;
    };
    const Case cases[] = {
        {40, 16, {0xF800, 0x07E0, 0x001F}, 0xF800, 0xFF0000},
        {40, 16, {0xF800, 0x07E0, 0x001F}, 0x0020, 0x000400},
        {108, 16, {0xF800, 0x07E0, 0x001F}, 0x07FF, 0x00FFFF},
        {40, 16, {0x0030, 0x000E, 0x0001}, 0x0014, 0x554900},
        {52, 32, {0xFF000000, 0x00FF0000, 0x0000FF00}, 0x11223344, 0x112233},
        {56, 32, {0x3FF00000, 0x000FFC00, 0x000003FF, 0xC0000000}, 0xFFF800FF, 0xFF803F},
        {124, 32, {0x00FF0000, 0x0000FF00, 0x000000FF, 0xFF000000}, 0x80654321, 0x654321},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pixel);
        BmpBuilder file;
        file.headerSize = c.headerSize;
        file.bitCount = c.bitCount;
        file.compression = 3;
        file.masks = c.masks;
        file.pixels = BmpBuilder::packRows(c.bitCount, {{c.pixel}});
        EXPECT_EQ(decoded(file.build()), Rows{{c.colour}});
    }
}

// The copy onto a surface needs a drawing context, hence a backend.
class BmpConversionTest : public HeadlessTest {};

TEST_F(BmpConversionTest, To565ByTruncationAsTheOldDrawingInterfaceDid) {
    struct Case {
        int bitCount;
        std::uint32_t stored;
        std::uint16_t pixel;
    };
    std::vector<Case> cases = {
        {24, 0x000000, 0x0000}, {24, 0xFFFFFF, 0xFFFF}, {24, 0x070307, 0x0000},
        {24, 0x080408, 0x0821}, {24, 0x808080, 0x8410}, {24, 0xFF00FF, 0xF81F},
        {24, 0x00FF00, 0x07E0}, {24, 0xFF0000, 0xF800},
    };
    // A 5-bit green widened to 8 bits and cut back to 6 becomes (g << 1) | (g >> 4).
    for (std::uint32_t g = 0; g < 32; ++g) {
        const std::uint32_t r = 31 - g;
        const std::uint32_t b = g / 2;
        cases.push_back({16, r << 10 | g << 5 | b,
                         static_cast<std::uint16_t>(r << 11 | ((g << 1) | (g >> 4)) << 5 | b)});
    }
    for (const Case& c : cases) {
        SCOPED_TRACE(c.stored);
        BmpBuilder file;
        file.bitCount = static_cast<std::uint16_t>(c.bitCount);
        file.pixels = BmpBuilder::packRows(c.bitCount, {{c.stored}});
        platform::Bitmap bitmap;
        ASSERT_TRUE(decodeBmp(file.build(), bitmap));
        platform::Surface surface(1, 1, platform::PixelFormat{});
        ASSERT_TRUE(DDCopyBitmap(&surface, &bitmap, 0, 0, 0, 0));
        EXPECT_EQ(surface.pixel(0, 0), c.pixel);
    }
}

TEST(BmpDecoderTest, RunLengthStreamsWithMovesAndOddLiterals) {
    struct Case {
        const char* name;
        std::uint16_t bitCount;
        int width;
        std::vector<std::uint8_t> stream;
        Rows indices;  // top row first
    };
    const Case cases[] = {
        {"RLE8",
         8,
         6,
         {3, 1, 0, 3, 2, 3, 4,  0,  // a run, then an odd literal and its pad byte
          0, 0, 0, 2, 2, 1,         // end of line, then a move 2 right and 1 up
          2, 5, 0, 0,               // a run, end of line
          0, 5, 6, 7, 8, 9, 10, 0, 1, 11, 0, 1},
         {{6, 7, 8, 9, 10, 11}, {0, 0, 5, 5, 0, 0}, {0, 0, 0, 0, 0, 0}, {1, 1, 1, 2, 3, 4}}},
        {"RLE4",
         4,
         6,
         {5, 0x12, 1,    0x30, 0,    0,         // runs alternate the two nibbles
          0, 3,    0x45, 0x60, 0,    2, 2, 0,   // a literal of 3 in two bytes, a move right
          1, 0xC0, 0,    0,                     // one pixel at the right edge
          0, 5,    0x78, 0x9A, 0xB0, 0, 0, 1},  // an odd literal of 3 bytes and its pad byte
         {{7, 8, 9, 10, 11, 0}, {4, 5, 6, 0, 0, 12}, {1, 2, 1, 2, 1, 3}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        BmpBuilder file;
        file.width = c.width;
        file.height = static_cast<std::int32_t>(c.indices.size());
        file.bitCount = c.bitCount;
        file.compression = c.bitCount == 8 ? 1 : 2;
        file.palette = testPalette(16);
        file.pixels = c.stream;
        EXPECT_EQ(decoded(file.build()), coloursOf(c.indices, file.palette));
    }
}

TEST(BmpDecoderTest, RunLengthStreamsThatEndShortOrLeaveThePicture) {
    struct Case {
        const char* name;
        std::vector<std::uint8_t> stream;
        Rows indices;  // top row first; empty when the file is refused
    };
    const Case cases[] = {
        {"no end-of-bitmap code", {2, 1}, {{0, 0, 0, 0}, {1, 1, 0, 0}}},
        {"a literal cut off by the end", {1, 2, 0, 3, 3, 3}, {{0, 0, 0, 0}, {2, 0, 0, 0}}},
        {"a move cut off by the end", {1, 2, 0, 2, 1}, {{0, 0, 0, 0}, {2, 0, 0, 0}}},
        {"codes after the top row", {0, 0, 4, 1, 0, 0, 9, 3}, {{1, 1, 1, 1}, {0, 0, 0, 0}}},
        {"a move onto the right edge", {0, 2, 4, 1, 0, 1}, {{0, 0, 0, 0}, {0, 0, 0, 0}}},
        {"a run past the row's end", {5, 1}, {}},
        {"a run past the end after a move", {0, 2, 3, 0, 2, 1}, {}},
        {"a literal past the row's end", {0, 5, 1, 1, 1, 1, 1, 0}, {}},
        {"a move past the right edge", {0, 2, 5, 0}, {}},
        {"a move above the top row", {0, 2, 0, 3}, {}},
        {"a colour past the table", {2, 4}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        BmpBuilder file;
        file.width = 4;
        file.height = 2;
        file.bitCount = 8;
        file.compression = 1;
        file.palette = testPalette(4);
        file.pixels = c.stream;
        EXPECT_EQ(decoded(file.build()), coloursOf(c.indices, file.palette));
    }
}

namespace {

// Small good files that the cases below break one field at a time.
std::vector<std::uint8_t> paletted() {
    BmpBuilder file;
    file.width = 2;
    file.height = 2;
    file.bitCount = 8;
    file.palette = testPalette(4);
    file.pixels = BmpBuilder::packRows(8, {{0, 1}, {2, 3}});
    return file.build();
}

std::vector<std::uint8_t> withLongTable() {
    BmpBuilder file;
    file.width = 2;
    file.height = 2;
    file.bitCount = 8;
    file.palette = testPalette(300);
    file.pixels = BmpBuilder::packRows(8, {{0, 1}, {2, 3}});
    return file.build();
}

std::vector<std::uint8_t> runLength() {
    BmpBuilder file;
    file.height = 2;
    file.bitCount = 8;
    file.compression = 1;
    file.palette = testPalette(4);
    file.pixels = {1, 1, 0, 1};
    return file.build();
}

std::vector<std::uint8_t> bitFields() {
    BmpBuilder file;
    file.bitCount = 16;
    file.compression = 3;
    file.masks = {0xF800, 0x07E0, 0x001F};
    file.pixels = BmpBuilder::packRows(16, {{0x1234}});
    return file.build();
}

std::vector<std::uint8_t> core() {
    BmpBuilder file;
    file.headerSize = 12;
    file.pixels = BmpBuilder::packRows(24, {{0x123456}});
    return file.build();
}

// A header field of the file overwritten: its offset, its size in bytes and the new value.
struct Field {
    std::size_t at;
    int bytes;
    std::int64_t value;
};

struct Variant {
    const char* name;
    std::vector<std::uint8_t> (*base)();
    std::vector<Field> fields;
    std::size_t cutTo = SIZE_MAX;

    std::vector<std::uint8_t> bytes() const {
        std::vector<std::uint8_t> file = base();
        for (const Field& field : fields) {
            for (int i = 0; i < field.bytes; ++i) {
                file[field.at + i] = static_cast<std::uint8_t>(field.value >> (8 * i));
            }
        }
        if (cutTo < file.size()) file.resize(cutTo);
        return file;
    }
};

}  // namespace

TEST(BmpDecoderTest, HarmlessHeaderOdditiesDoNotMatter) {
    const Variant variants[] = {
        {"absurd densities", paletted, {{38, 4, -30000000}, {42, 4, 30000000}}},
        {"a wrong file size", paletted, {{2, 4, 0x7DDDDDDD}}},
        {"a wrong image size", paletted, {{34, 4, 0x7EEEEEEE}}},
        {"many planes", paletted, {{26, 2, 30000}}},
        {"no pixel offset", paletted, {{10, 4, 0}}},
        {"a few colours of the table counted", paletted, {{46, 4, 4}}},
        {"more colours than the depth needs", withLongTable, {}},
    };
    const Rows expected = decoded(paletted());
    ASSERT_FALSE(expected.empty());
    for (const Variant& variant : variants) {
        SCOPED_TRACE(variant.name);
        EXPECT_EQ(decoded(variant.bytes()), expected);
    }
}

TEST(BmpDecoderTest, BrokenFilesAreRefusedAndLeaveNothing) {
    const Variant variants[] = {
        {"an empty file", paletted, {}, 0},
        {"a cut file header", paletted, {}, 13},
        {"a cut info header", paletted, {}, 30},
        {"a cut colour table", paletted, {}, 60},
        {"one pixel byte short", paletted, {}, paletted().size() - 1},
        {"no signature", paletted, {{1, 1, 'A'}}},
        {"an OS/2 2.x header", paletted, {{14, 4, 64}}},
        {"an unknown header size", paletted, {{14, 4, 41}}},
        {"no width", paletted, {{18, 4, 0}}},
        {"a negative width", paletted, {{18, 4, -2}}},
        {"a width over 65535", paletted, {{18, 4, 65536}}},
        {"no height", paletted, {{22, 4, 0}}},
        {"a height over 65535", paletted, {{22, 4, -65536}}},
        {"too many pixels", runLength, {{18, 4, 8192}, {22, 4, 2049}}},
        {"no planes", paletted, {{26, 2, 0}}},
        {"no bits", paletted, {{28, 2, 0}}},
        {"2 bits", paletted, {{28, 2, 2}}},
        {"64 bits", paletted, {{28, 2, 64}}},
        {"16 bits in a 12-byte header", core, {{24, 2, 16}}},
        {"RLE4 at 8 bits", paletted, {{30, 4, 2}}},
        {"RLE8 at 4 bits", runLength, {{28, 2, 4}}},
        {"bit fields at 8 bits", paletted, {{30, 4, 3}}},
        {"JPEG", paletted, {{30, 4, 4}}},
        {"PNG", paletted, {{30, 4, 5}}},
        {"alpha bit fields", paletted, {{30, 4, 6}}},
        {"top-down RLE", runLength, {{22, 4, -2}}},
        {"RLE of no size", runLength, {{34, 4, 0}}},
        {"RLE past the end of the file", runLength, {{34, 4, 6}}},
        {"a zero mask", bitFields, {{58, 4, 0}}},
        {"overlapping masks", bitFields, {{58, 4, 0x0FE0}}},
        {"a mask with a hole", bitFields, {{62, 4, 0x0015}}},
        {"a mask wider than the pixel", bitFields, {{54, 4, 0x1F800}}},
        {"masks cut off", bitFields, {}, 60},
        {"pixels past the end of the file", paletted, {{10, 4, 5000}}},
        {"pixels inside the header", paletted, {{10, 4, 20}}},
        {"a colour table running into the pixels", paletted, {{10, 4, 66}}},
        {"a colour past the table", paletted, {{46, 4, 3}}},
    };
    for (const Variant& variant : variants) {
        SCOPED_TRACE(variant.name);
        platform::Bitmap bitmap;
        ASSERT_TRUE(decodeBmp(variant.base(), bitmap));
        EXPECT_FALSE(decodeBmp(variant.bytes(), bitmap));
        EXPECT_EQ(bitmap.width, 0);
        EXPECT_EQ(bitmap.height, 0);
        EXPECT_TRUE(bitmap.pixels.empty());
    }
}
