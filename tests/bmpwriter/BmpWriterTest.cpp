#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdint>
#include <string>
#include <vector>

#include "bmpwriter/BmpWriter.h"
#include "graphics/BmpDecoder.h"

namespace {

platform::Bitmap pattern(int width, int height) {
    platform::Bitmap b;
    b.width = width;
    b.height = height;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            b.pixels.push_back(static_cast<std::uint32_t>((x * 37 + y * 11) & 0xFF) << 16 |
                               static_cast<std::uint32_t>((x * 5 + y * 71) & 0xFF) << 8 |
                               static_cast<std::uint32_t>((x * y * 13 + 7) & 0xFF));
        }
    }
    return b;
}

std::uint32_t read32(const std::vector<std::uint8_t>& f, std::size_t at) {
    return f[at] | f[at + 1] << 8 | f[at + 2] << 16 | static_cast<std::uint32_t>(f[at + 3]) << 24;
}

std::uint32_t read16(const std::vector<std::uint8_t>& f, std::size_t at) {
    return f[at] | f[at + 1] << 8;
}

TEST(BmpWriter, WritesA24BitHeaderTheGameReads) {
    const std::vector<std::uint8_t> f = bmpwriter::encodeBmp(pattern(3, 2));
    ASSERT_EQ(f.size(), 54u + 2 * 12);
    EXPECT_EQ(f[0], 'B');
    EXPECT_EQ(f[1], 'M');
    EXPECT_EQ(read32(f, 2), f.size());
    EXPECT_EQ(read32(f, 6), 0u);
    EXPECT_EQ(read32(f, 10), 54u);
    EXPECT_EQ(read32(f, 14), 40u);
    EXPECT_EQ(read32(f, 18), 3u);
    EXPECT_EQ(read32(f, 22), 2u);  // positive: bottom-up
    EXPECT_EQ(read16(f, 26), 1u);
    EXPECT_EQ(read16(f, 28), 24u);
    EXPECT_EQ(read32(f, 30), 0u);  // uncompressed
    EXPECT_EQ(read32(f, 34), 24u);
    EXPECT_EQ(read32(f, 46), 0u);  // no colour table
}

TEST(BmpWriter, StoresTheBottomRowFirstInBlueGreenRedOrderPaddedWithZeros) {
    platform::Bitmap b;
    b.width = 1;
    b.height = 2;
    b.pixels = {0x112233, 0xAABBCC};
    const std::vector<std::uint8_t> f = bmpwriter::encodeBmp(b);
    ASSERT_EQ(f.size(), 54u + 2 * 4);
    const std::vector<std::uint8_t> rows(f.begin() + 54, f.end());
    EXPECT_EQ(rows, (std::vector<std::uint8_t>{0xCC, 0xBB, 0xAA, 0, 0x33, 0x22, 0x11, 0}));
}

TEST(BmpWriter, RoundTripsThroughTheGamesDecoder) {
    for (const auto& [w, h] : {std::pair{1, 1}, {2, 3}, {3, 2}, {4, 4}, {5, 7}, {83, 84}}) {
        const platform::Bitmap in = pattern(w, h);
        platform::Bitmap out;
        ASSERT_TRUE(decodeBmp(bmpwriter::encodeBmp(in), out)) << w << " x " << h;
        EXPECT_EQ(out.width, w);
        EXPECT_EQ(out.height, h);
        EXPECT_EQ(out.pixels, in.pixels) << w << " x " << h;
    }
}

TEST(BmpWriter, WritesTheBytesToAFile) {
    const std::filesystem::path file =
        std::filesystem::temp_directory_path() /
        ("corvanes-bmpwriter-" + std::to_string(::getpid()) + ".bmp");
    const std::vector<std::uint8_t> bytes = bmpwriter::encodeBmp(pattern(3, 3));
    ASSERT_TRUE(bmpwriter::writeFile(file, bytes));
    EXPECT_EQ(std::filesystem::file_size(file), bytes.size());
    std::filesystem::remove(file);
    EXPECT_FALSE(bmpwriter::writeFile(file / "not-a-directory" / "x.bmp", bytes));
}

}  // namespace
