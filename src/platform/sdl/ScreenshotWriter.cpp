#include "platform/sdl/ScreenshotWriter.h"

#include <png.h>

#include <algorithm>
#include <cstdio>
#include <ctime>

#include "platform/video/WidenPixels.h"

namespace platform {

ScreenshotWriter::ScreenshotWriter(std::filesystem::path where) : folder(std::move(where)) {
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
        writePng(freeName(folder, shot.when), rgb, shot.width, shot.height);

        hold.lock();
        busy = false;
        done.notify_all();
    }
}

std::filesystem::path ScreenshotWriter::freeName(const std::filesystem::path& folder,
                                                 std::time_t when) {
    std::tm local{};
    localtime_r(&when, &local);
    char stamp[32];
    std::strftime(stamp, sizeof stamp, "corvanes-%Y%m%d-%H%M%S", &local);
    std::filesystem::path file = folder / (std::string(stamp) + ".png");
    std::error_code failure;
    for (int n = 2; std::filesystem::exists(file, failure); ++n) {
        file = folder / (std::string(stamp) + "-" + std::to_string(n) + ".png");
    }
    return file;
}

bool ScreenshotWriter::writePng(const std::filesystem::path& file,
                                const std::vector<std::uint8_t>& rgb, int width, int height) {
    // "x": never over a file that appeared since the name was chosen.
    std::FILE* out = std::fopen(file.c_str(), "wbx");
    if (out == nullptr) return false;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png != nullptr ? png_create_info_struct(png) : nullptr;
    bool written = false;
    if (info != nullptr && setjmp(png_jmpbuf(png)) == 0) {
        png_init_io(png, out);
        png_set_IHDR(png, info, static_cast<png_uint_32>(width), static_cast<png_uint_32>(height),
                     8, PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
                     PNG_FILTER_TYPE_DEFAULT);
        png_write_info(png, info);
        for (int y = 0; y < height; ++y) {
            png_write_row(png, rgb.data() + static_cast<std::size_t>(y) * width * 3);
        }
        png_write_end(png, nullptr);
        written = true;
    }
    png_destroy_write_struct(&png, &info);
    return std::fclose(out) == 0 && written;
}

}  // namespace platform
