#include "graphics/BmpDecoder.h"

#include "graphics/BmpChannels.h"
#include "graphics/BmpHeader.h"
#include "graphics/BmpRle.h"

namespace {

std::uint32_t* outputRow(const bmp::Layout& layout, platform::Bitmap& out, int fileRow) {
    return out.pixels.data() + static_cast<std::size_t>(layout.outputRow(fileRow)) * out.width;
}

// 1, 4 and 8 bits per pixel, the leftmost pixel in the most significant bits of each byte.
bool decodeIndexed(const bmp::Layout& layout, platform::Bitmap& out) {
    const int bits = layout.bitCount;
    const unsigned mask = (1u << bits) - 1;
    for (int row = 0; row < layout.height; ++row) {
        const std::uint8_t* in = layout.pixels.data() + row * layout.stride();
        std::uint32_t* to = outputRow(layout, out, row);
        for (int x = 0; x < layout.width; ++x) {
            const int bit = x * bits;
            const unsigned index = (in[bit / 8] >> (8 - bits - bit % 8)) & mask;
            // An index past the table has no colour the file meant; refuse rather than guess.
            if (index >= layout.palette.size()) return false;
            to[x] = layout.palette[index];
        }
    }
    return true;
}

// 16, 24 and 32 bits per pixel, each pixel a little-endian number cut up by the masks.
void decodeDirect(const bmp::Layout& layout, platform::Bitmap& out) {
    const bmp::Channels channels(layout.masks);
    const int bytes = layout.bitCount / 8;
    for (int row = 0; row < layout.height; ++row) {
        const std::uint8_t* in = layout.pixels.data() + row * layout.stride();
        std::uint32_t* to = outputRow(layout, out, row);
        for (int x = 0; x < layout.width; ++x, in += bytes) {
            std::uint32_t pixel = 0;
            for (int i = bytes - 1; i >= 0; --i) pixel = pixel << 8 | in[i];
            to[x] = channels.rgb(pixel);
        }
    }
}

}  // namespace

bool decodeBmp(std::span<const std::uint8_t> file, platform::Bitmap& out) {
    out = platform::Bitmap{};
    bmp::Layout layout;
    if (!bmp::readLayout(file, layout)) return false;

    platform::Bitmap bitmap;
    bitmap.width = layout.width;
    bitmap.height = layout.height;
    // Pixels an RLE stream skips keep colour 0 of the table.
    bitmap.pixels.assign(static_cast<std::size_t>(layout.width) * layout.height,
                         layout.palette.empty() ? 0 : layout.palette[0]);
    if (layout.compression == bmp::rle8 || layout.compression == bmp::rle4) {
        if (!bmp::decodeRle(layout, bitmap)) return false;
    } else if (layout.bitCount <= 8) {
        if (!decodeIndexed(layout, bitmap)) return false;
    } else {
        decodeDirect(layout, bitmap);
    }
    out = std::move(bitmap);
    return true;
}
