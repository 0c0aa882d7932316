#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "assets/Sheet.h"
#include "bmpwriter/BmpWriter.h"

namespace {

// The generator's output is part of the build: the same generator must always write the same
// bytes. When a picture is meant to change, bump assetsVersion and put the new hashes here.
constexpr int hashedVersion = 2;
const struct {
    const char* file;
    std::uint64_t hash;
} expectedHashes[] = {
    {"hx4fighter_extras.bmp", 0x2D327E48EE2BD922ull},
    {"hx4standmech.bmp", 0x96E12C2E2A889077ull},
    {"hx4hovermech.bmp", 0x71BCDB80753CA821ull},
    {"hx4trans.bmp", 0x07E3585465C892BAull},
    {"alzbullet.bmp", 0xB14E78450C6527BFull},
    {"voskbullet.bmp", 0xE822E99E8FB92B26ull},
    {"raider.bmp", 0xBE57CA7DA3CAA63Bull},
    {"drone.bmp", 0x160DD517FBD9B7B6ull},
    {"flagship1.bmp", 0x1EC4860937C2CAD7ull},
    {"voskcommandship.bmp", 0x2A627072B4D11760ull},
    {"vosktroopcarrier.bmp", 0xA58C6393A7F7E07Aull},
    {"voskdestroyer.bmp", 0xA3E2DDC50937E797ull},
    {"explosion1.bmp", 0x11E5909A82F6AF08ull},
    {"explosion2.bmp", 0x0E9FD54F801D3DA5ull},
    {"navscreen.bmp", 0x856CFC0F803B55CEull},
    {"cursor.bmp", 0xA7258A381CA71644ull},
    {"selections.bmp", 0x56C74255CF25DA7Eull},
};

// 64-bit FNV-1a.
std::uint64_t hashOf(const std::vector<std::uint8_t>& bytes) {
    std::uint64_t h = 0xCBF29CE484222325ull;
    for (std::uint8_t b : bytes) {
        h ^= b;
        h *= 0x100000001B3ull;
    }
    return h;
}

std::vector<std::uint8_t> fileOf(const char* name) {
    const assets::Sheet* sheet = assets::findSheet(name);
    return sheet == nullptr ? std::vector<std::uint8_t>{} : bmpwriter::encodeBmp(sheet->draw());
}

TEST(AssetHashes, BelongToTheCurrentGeneratorVersion) {
    EXPECT_EQ(assets::assetsVersion, hashedVersion)
        << "the pictures changed: record their new hashes below with the new version";
}

TEST(AssetHashes, StayTheSameForThisGeneratorVersion) {
    for (const auto& [file, hash] : expectedHashes) {
        const std::uint64_t actual = hashOf(fileOf(file));
        EXPECT_EQ(actual, hash) << file;
        if (actual != hash)
            std::printf("    {\"%s\", 0x%016llXull},\n", file,
                        static_cast<unsigned long long>(actual));
    }
}

}  // namespace
