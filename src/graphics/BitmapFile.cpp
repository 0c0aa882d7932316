#include "graphics/BitmapFile.h"

#include <cstdint>
#include <fstream>
#include <vector>

#include "graphics/BmpDecoder.h"
#include "platform/Backend.h"

namespace {

// No bitmap the game can use comes near this; larger files are refused before reading.
constexpr std::streamoff maxFileBytes = 256 * 1024 * 1024;

std::unique_ptr<platform::Bitmap> resampled(const platform::Bitmap& from, int width, int height) {
    auto to = std::make_unique<platform::Bitmap>();
    to->width = width;
    to->height = height;
    to->pixels.resize(static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
    for (int y = 0; y < height; ++y) {
        const int sy = static_cast<int>(static_cast<std::int64_t>(y) * from.height / height);
        for (int x = 0; x < width; ++x) {
            const int sx = static_cast<int>(static_cast<std::int64_t>(x) * from.width / width);
            to->pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
                       static_cast<std::size_t>(x)] = from.at(sx, sy);
        }
    }
    return to;
}

}  // namespace

std::unique_ptr<platform::Bitmap> loadBitmapFile(const std::string& name, int width, int height) {
    if (platform::backend().faultInjected(platform::Fault::bitmapLoad)) return nullptr;
    if (width < 0 || height < 0) return nullptr;
    std::ifstream in(name, std::ios::binary);
    if (!in) return nullptr;
    in.seekg(0, std::ios::end);
    const std::streamoff size = in.tellg();
    if (size <= 0 || size > maxFileBytes) return nullptr;
    in.seekg(0, std::ios::beg);
    std::vector<std::uint8_t> data(static_cast<std::size_t>(size));
    if (!in.read(reinterpret_cast<char*>(data.data()), size)) return nullptr;
    auto bitmap = std::make_unique<platform::Bitmap>();
    if (!decodeBmp(data, *bitmap)) return nullptr;
    if ((width == 0 || width == bitmap->width) && (height == 0 || height == bitmap->height)) {
        return bitmap;
    }
    return resampled(*bitmap, width == 0 ? bitmap->width : width,
                     height == 0 ? bitmap->height : height);
}
