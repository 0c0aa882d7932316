#include <gtest/gtest.h>
#include <png.h>

#include <cstdio>
#include <filesystem>
#include <random>
#include <vector>

#include "platform/sdl/PngFile.h"
#include "platform/video/ScreenshotWriter.h"

namespace {

namespace fs = std::filesystem;

fs::path scratch() {
    std::random_device seed;
    const fs::path dir = fs::temp_directory_path() / ("corvanes-shots-" + std::to_string(seed()));
    fs::remove_all(dir);
    return dir;
}

// Reads a PNG back as 8-bit RGB.
std::vector<std::uint8_t> readPng(const fs::path& file, int& width, int& height) {
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    std::vector<std::uint8_t> rgb;
    if (png_image_begin_read_from_file(&image, file.c_str()) == 0) return rgb;
    image.format = PNG_FORMAT_RGB;
    rgb.resize(PNG_IMAGE_SIZE(image));
    if (png_image_finish_read(&image, nullptr, rgb.data(), 0, nullptr) == 0) rgb.clear();
    width = static_cast<int>(image.width);
    height = static_cast<int>(image.height);
    return rgb;
}

TEST(ScreenshotWriterTest, WritesTheFrameWidenedAndNeverOverAFile) {
    const fs::path dir = scratch();
    // A frame of 5 x 3 inside rows of 8, its pixels white, red, green, blue and black.
    const std::uint16_t colours[5] = {0xFFFF, 0xF800, 0x07E0, 0x001F, 0x0000};
    std::vector<std::uint16_t> frame(8 * 3, 0x1234);
    for (int y = 0; y < 3; ++y) {
        for (int x = 0; x < 5; ++x) frame[static_cast<std::size_t>(y * 8 + x)] = colours[x];
    }
    {
        platform::ScreenshotWriter writer(dir, platform::writePng);
        writer.take(frame.data(), 5, 3, 8);
        writer.take(frame.data(), 5, 3, 8);
        writer.flush();
    }
    std::vector<fs::path> files;
    for (const auto& entry : fs::directory_iterator(dir)) files.push_back(entry.path());
    ASSERT_EQ(files.size(), 2u) << "two shots in one second get two names";
    for (const fs::path& file : files) {
        EXPECT_EQ(file.extension(), ".png");
        EXPECT_EQ(file.filename().string().rfind("corvanes-", 0), 0u) << file;
        int width = 0;
        int height = 0;
        const std::vector<std::uint8_t> rgb = readPng(file, width, height);
        ASSERT_EQ(width, 5);
        ASSERT_EQ(height, 3);
        const std::vector<std::uint8_t> row = {255, 255, 255, 255, 0, 0, 0, 255,
                                               0,   0,   0,   255, 0, 0, 0};
        for (int y = 0; y < 3; ++y) {
            EXPECT_EQ(std::vector<std::uint8_t>(rgb.begin() + y * 15, rgb.begin() + y * 15 + 15),
                      row);
        }
    }
    const fs::path first = platform::ScreenshotWriter::freeName(dir, 0);
    std::fclose(std::fopen(first.c_str(), "w"));
    EXPECT_NE(platform::ScreenshotWriter::freeName(dir, 0), first);
    fs::remove_all(dir);
}

}  // namespace
