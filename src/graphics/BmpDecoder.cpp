#include "graphics/BmpDecoder.h"

bool decodeBmp(std::span<const std::uint8_t>, platform::Bitmap& out) {
    out = platform::Bitmap{};
    return false;
}
