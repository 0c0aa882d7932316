#pragma once

#include <condition_variable>
#include <cstdint>
#include <deque>
#include <filesystem>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace platform {

// Writes 8-bit RGB rows as a new PNG file, never over an existing one; false when it cannot be
// written. Each backend encodes with what its system offers.
using PngEncoder = bool (*)(const std::filesystem::path& file, const std::vector<std::uint8_t>& rgb,
                            int width, int height);

// Writes frames as PNG files into a folder, named by the date and time they were taken and
// never over an existing file. The encoding happens on a thread of its own, so that taking a
// screenshot costs the frame only a copy of its pixels.
class ScreenshotWriter {
public:
    ScreenshotWriter(std::filesystem::path folder, PngEncoder encoder);
    // Writes whatever is still waiting.
    ~ScreenshotWriter();
    ScreenshotWriter(const ScreenshotWriter&) = delete;
    ScreenshotWriter& operator=(const ScreenshotWriter&) = delete;

    // A 5-6-5 frame, rows of `width` pixels `pitch` pixels apart.
    void take(const std::uint16_t* pixels, int width, int height, int pitch);
    // Waits until every frame taken so far is written.
    void flush();

    // The file a frame taken at that time goes to: screenshots/corvanes-YYYYMMDD-HHMMSS.png,
    // with -2, -3, ... when that name is taken.
    static std::filesystem::path freeName(const std::filesystem::path& folder, std::time_t when);

private:
    struct Shot {
        std::time_t when;
        int width;
        int height;
        std::vector<std::uint16_t> pixels;
    };

    void work();

    std::filesystem::path folder;
    PngEncoder encoder;
    std::mutex lock;
    std::condition_variable wake;
    std::condition_variable done;
    std::deque<Shot> waiting;
    bool busy = false;
    bool stopping = false;
    std::thread worker;
};

}  // namespace platform
