#include <SDL.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <vector>

#include "graphics/BmpDecoder.h"
#include "platform/video/PixelFormat.h"

namespace {

namespace fs = std::filesystem;

struct SurfaceFree {
    void operator()(SDL_Surface* surface) const { SDL_FreeSurface(surface); }
};
using SurfacePtr = std::unique_ptr<SDL_Surface, SurfaceFree>;

std::vector<fs::path> filesIn(const fs::path& folder) {
    std::vector<fs::path> files;
    for (const auto& entry : fs::directory_iterator(folder)) {
        if (entry.path().extension() == ".bmp") files.push_back(entry.path());
    }
    std::sort(files.begin(), files.end());
    return files;
}

bool decodeFile(const fs::path& file, platform::Bitmap& bitmap) {
    std::ifstream in(file, std::ios::binary);
    const std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(in),
                                          std::istreambuf_iterator<char>()};
    return decodeBmp(bytes, bitmap);
}

// SDL shifts a 5-bit green into the 6 bits of 565 and leaves the new low bit 0; the old drawing
// interface widened it to 8 bits first, so that bit repeats the field's top bit.
std::uint16_t widenedGreen(std::uint16_t sdlPixel) {
    return static_cast<std::uint16_t>(sdlPixel | ((sdlPixel >> 10) & 1) << 5);
}

}  // namespace

TEST(BmpAgainstSdlTest, PixelsMatchSdlWhereverItReadsTheFile) {
    const fs::path corpus = fs::path(CORVANES_TESTDATA_DIR) / "bmpsuite";
    if (!fs::is_directory(corpus)) {
        GTEST_SKIP() << "the BMP test corpus is not at " << corpus.string()
                     << "; nothing to compare";
    }
    int goodCompared = 0;
    for (const char* folder : {"g", "q"}) {
        const bool good = folder == std::string("g");
        for (const fs::path& file : filesIn(corpus / folder)) {
            SCOPED_TRACE(file.string());
            // SDL reads bit fields only where the masks name one of its own pixel formats, so
            // it passes over g/rgb32bf and several q/ files; we have nothing to compare there.
            const SurfacePtr loaded(SDL_LoadBMP(file.string().c_str()));
            if (!loaded) continue;
            platform::Bitmap bitmap;
            // Which q/ files we refuse, and why, is pinned by the corpus test.
            if (!decodeFile(file, bitmap)) {
                EXPECT_FALSE(good) << "SDL reads a good file that we refuse";
                continue;
            }
            const SurfacePtr converted(
                SDL_ConvertSurfaceFormat(loaded.get(), SDL_PIXELFORMAT_RGB565, 0));
            ASSERT_TRUE(converted);
            ASSERT_EQ(converted->w, bitmap.width);
            ASSERT_EQ(converted->h, bitmap.height);
            const bool fiveBitGreen =
                loaded->format->BytesPerPixel == 2 && loaded->format->Gmask == 0x03E0;
            int mismatches = 0;
            for (int y = 0; y < bitmap.height; ++y) {
                const auto* row = reinterpret_cast<const std::uint16_t*>(
                    static_cast<const std::uint8_t*>(converted->pixels) + y * converted->pitch);
                for (int x = 0; x < bitmap.width; ++x) {
                    const std::uint32_t rgb = bitmap.at(x, y);
                    const std::uint16_t ours = platform::rgbTo565(rgb >> 16, rgb >> 8, rgb);
                    const std::uint16_t sdl = fiveBitGreen ? widenedGreen(row[x]) : row[x];
                    if (ours != sdl && mismatches++ == 0) {
                        ADD_FAILURE() << "first difference at (" << x << ", " << y << "): ours "
                                      << std::hex << ours << ", SDL " << sdl;
                    }
                }
            }
            EXPECT_EQ(mismatches, 0);
            if (good) ++goodCompared;
        }
    }
    EXPECT_GT(goodCompared, 0);
}
