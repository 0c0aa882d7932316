#include "platform/video/ScreenshotWriter.h"

#include <algorithm>
#include <cstdio>
#include <ctime>

#include "platform/video/WidenPixels.h"

namespace platform {

ScreenshotWriter::ScreenshotWriter(std::filesystem::path where, PngEncoder encode)
    : folder(std::move(where)), encoder(encode) {
    worker = std::thread([this] { work(); });
}

ScreenshotWriter::~ScreenshotWriter() {
    {
        std::lock_guard<std::mutex> hold(lock);
        stopping = true;
    }
    wake.notify_one();
    worker.join();
}

void ScreenshotWriter::take(const std::uint16_t* pixels, int width, int height, int pitch) {
    Shot shot{std::time(nullptr), width, height, {}};
    shot.pixels.resize(static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
    for (int y = 0; y < height; ++y) {
        std::copy_n(pixels + static_cast<std::ptrdiff_t>(y) * pitch, width,
                    shot.pixels.data() + static_cast<std::ptrdiff_t>(y) * width);
    }
    {
        std::lock_guard<std::mutex> hold(lock);
        waiting.push_back(std::move(shot));
    }
    wake.notify_one();
}

void ScreenshotWriter::flush() {
    std::unique_lock<std::mutex> hold(lock);
    done.wait(hold, [this] { return waiting.empty() && !busy; });
}

void ScreenshotWriter::work() {
    std::unique_lock<std::mutex> hold(lock);
    for (;;) {
        wake.wait(hold, [this] { return stopping || !waiting.empty(); });
        if (waiting.empty()) return;
        Shot shot = std::move(waiting.front());
        waiting.pop_front();
        busy = true;
        hold.unlock();

        std::vector<std::uint32_t> wide(shot.pixels.size());
        widen565(shot.pixels.data(), wide.data(), wide.size());
        std::vector<std::uint8_t> rgb;
        rgb.reserve(wide.size() * 3);
        for (const std::uint32_t p : wide) {
            rgb.push_back(static_cast<std::uint8_t>(p >> 16));
            rgb.push_back(static_cast<std::uint8_t>(p >> 8));
            rgb.push_back(static_cast<std::uint8_t>(p));
        }
        // A screenshot that cannot be written is lost without a word: the log is the game's.
        std::error_code ignored;
        std::filesystem::create_directories(folder, ignored);
        encoder(freeName(folder, shot.when), rgb, shot.width, shot.height);

        hold.lock();
        busy = false;
        done.notify_all();
    }
}

std::filesystem::path ScreenshotWriter::freeName(const std::filesystem::path& folder,
                                                 std::time_t when) {
    std::tm local{};
    {
        // localtime_r is POSIX only; the one shared result of localtime is taken under a lock.
        static std::mutex clock;
        std::lock_guard<std::mutex> hold(clock);
        if (const std::tm* now = std::localtime(&when)) local = *now;
    }
    char stamp[32];
    std::strftime(stamp, sizeof stamp, "corvanes-%Y%m%d-%H%M%S", &local);
    std::filesystem::path file = folder / (std::string(stamp) + ".png");
    std::error_code failure;
    for (int n = 2; std::filesystem::exists(file, failure); ++n) {
        file = folder / (std::string(stamp) + "-" + std::to_string(n) + ".png");
    }
    return file;
}

}  // namespace platform
