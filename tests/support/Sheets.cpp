#include "support/Sheets.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <map>
#include <vector>

#include "graphics/BmpDecoder.h"
#include "platform/video/PixelFormat.h"

platform::Bitmap decodedFile(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    platform::Bitmap bitmap;
    EXPECT_TRUE(
        decodeBmp(std::vector<std::uint8_t>{std::istreambuf_iterator<char>(in), {}}, bitmap))
        << file;
    return bitmap;
}

const platform::Bitmap& gameSheet(const std::string& file) {
    static std::map<std::string, platform::Bitmap> decoded;
    const auto [at, added] = decoded.try_emplace(file);
    if (added) at->second = decodedFile(std::filesystem::path(CORVANES_GAME_DIR) / file);
    return at->second;
}

std::uint16_t stretchedPixel(const platform::Bitmap& sheet, const platform::Rect& from, int width,
                             int height, int dx, int dy) {
    const platform::Point at = stretchedFrom(from, width, height, dx, dy);
    const std::uint32_t rgb = sheet.at(at.x, at.y);
    return platform::rgbTo565(rgb >> 16, rgb >> 8, rgb);
}
