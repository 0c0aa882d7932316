// Feeds the bitmap decoder any bytes at all. Besides not crashing, reading past the input or
// hanging, it must either give a whole picture or refuse and leave the bitmap empty.
#include <cstddef>
#include <cstdint>
#include <span>

#include "graphics/BmpDecoder.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    platform::Bitmap bitmap;
    const bool decoded = decodeBmp(std::span<const std::uint8_t>(data, size), bitmap);
    const std::size_t pixels =
        static_cast<std::size_t>(bitmap.width) * static_cast<std::size_t>(bitmap.height);
    if (decoded ? pixels == 0 || bitmap.pixels.size() != pixels : !bitmap.pixels.empty()) {
        __builtin_trap();
    }
    for (std::uint32_t rgb : bitmap.pixels) {
        if (rgb > 0xFFFFFF) __builtin_trap();
    }
    return 0;
}
