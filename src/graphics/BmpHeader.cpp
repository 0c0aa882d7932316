#include "graphics/BmpHeader.h"

#include <algorithm>
#include <cstdlib>

#include "graphics/BmpChannels.h"
#include "platform/video/PixelFormat.h"

namespace bmp {

namespace {

constexpr std::size_t fileHeaderBytes = 14;
constexpr std::uint32_t coreHeaderBytes = 12;
constexpr std::uint32_t infoHeaderBytes = 40;
constexpr std::size_t maskBytes = 12;
constexpr std::int64_t maxSide = 65535;
// The largest picture the game shows is its 800 x 600 navigation screen. 16 Mi pixels (4096 x
// 4096) leaves room for any sprite sheet, and keeps a hostile header from asking for gigabytes.
constexpr std::int64_t maxPixels = 16 * 1024 * 1024;

std::uint16_t u16(std::span<const std::uint8_t> data, std::size_t at) {
    return static_cast<std::uint16_t>(data[at] | data[at + 1] << 8);
}

std::uint32_t u32(std::span<const std::uint8_t> data, std::size_t at) {
    return static_cast<std::uint32_t>(data[at]) | static_cast<std::uint32_t>(data[at + 1]) << 8 |
           static_cast<std::uint32_t>(data[at + 2]) << 16 |
           static_cast<std::uint32_t>(data[at + 3]) << 24;
}

std::int32_t i32(std::span<const std::uint8_t> data, std::size_t at) {
    return static_cast<std::int32_t>(u32(data, at));
}

// 64 is the OS/2 2.x header, whose compression codes mean something else: refused.
bool knownHeaderSize(std::uint32_t size) {
    return size == coreHeaderBytes || size == infoHeaderBytes || size == 52 || size == 56 ||
           size == 108 || size == 124;
}

bool validBitCount(int bits, bool core) {
    if (core) return bits == 1 || bits == 4 || bits == 8 || bits == 24;
    return bits == 1 || bits == 4 || bits == 8 || bits == 16 || bits == 24 || bits == 32;
}

// JPEG, PNG and the alpha bit fields of Windows CE are not ours to read.
bool compressionFits(std::uint32_t compression, int bitCount) {
    switch (compression) {
        case rgb:
            return true;
        case rle8:
            return bitCount == 8;
        case rle4:
            return bitCount == 4;
        case bitfields:
            return bitCount == 16 || bitCount == 32;
        default:
            return false;
    }
}

bool readMasks(std::span<const std::uint8_t> file, int bitCount,
               std::array<std::uint32_t, 3>& masks) {
    // After a 40-byte header the masks follow it; later headers hold them at the same place.
    const std::size_t at = fileHeaderBytes + infoHeaderBytes;
    if (file.size() < at + maskBytes) return false;
    for (std::size_t i = 0; i < masks.size(); ++i) {
        masks[i] = u32(file, at + 4 * i);
        if (!validMask(masks[i], bitCount)) return false;
    }
    return (masks[0] & masks[1]) == 0 && (masks[0] & masks[2]) == 0 && (masks[1] & masks[2]) == 0;
}

}  // namespace

bool readLayout(std::span<const std::uint8_t> file, Layout& out) {
    if (file.size() < fileHeaderBytes + 4 || file[0] != 'B' || file[1] != 'M') return false;
    const std::uint32_t pixelOffset = u32(file, 10);
    const std::uint32_t headerSize = u32(file, fileHeaderBytes);
    if (!knownHeaderSize(headerSize) || file.size() < fileHeaderBytes + headerSize) return false;

    const bool core = headerSize == coreHeaderBytes;
    std::int64_t width;
    std::int64_t height;
    int planes;
    int bitCount;
    std::uint32_t compression = rgb;
    std::uint32_t imageBytes = 0;
    std::uint32_t coloursUsed = 0;
    if (core) {
        width = u16(file, 18);
        height = u16(file, 20);
        planes = u16(file, 22);
        bitCount = u16(file, 24);
    } else {
        width = i32(file, 18);
        height = i32(file, 22);
        planes = u16(file, 26);
        bitCount = u16(file, 28);
        compression = u32(file, 30);
        imageBytes = u32(file, 34);
        coloursUsed = u32(file, 46);
    }
    const bool topDown = height < 0;
    height = std::abs(height);
    if (width <= 0 || height == 0 || width > maxSide || height > maxSide) return false;
    if (width * height > maxPixels) return false;
    if (planes == 0) return false;
    if (!validBitCount(bitCount, core) || !compressionFits(compression, bitCount)) return false;
    const bool rle = compression == rle8 || compression == rle4;
    // An RLE stream is laid out bottom-up and is only as long as its header says.
    if (rle && (topDown || imageBytes == 0)) return false;

    std::size_t tableStart = fileHeaderBytes + headerSize;
    std::array<std::uint32_t, 3> masks{0xFF0000, 0x00FF00, 0x0000FF};
    if (compression == bitfields) {
        if (!readMasks(file, bitCount, masks)) return false;
        if (headerSize == infoHeaderBytes) tableStart += maskBytes;
    } else if (bitCount == 16) {
        masks = {platform::masks555.red, platform::masks555.green, platform::masks555.blue};
    }

    // Above 8 bits per pixel the colour table is unused; it only pushes the pixels back when
    // the file does not say where they start.
    const std::uint64_t entryBytes = core ? 3 : 4;
    std::uint64_t entries = core ? 0 : coloursUsed;
    if (bitCount <= 8) {
        const std::uint32_t full = 1u << bitCount;
        entries = core || coloursUsed == 0 ? full : std::min(coloursUsed, full);
    }
    const std::uint64_t tableEnd = tableStart + entries * entryBytes;
    const std::uint64_t dataStart = pixelOffset != 0 ? pixelOffset : tableEnd;
    // A colour table that runs into the pixels is a broken header, not a short palette.
    if (dataStart < tableStart || (bitCount <= 8 && dataStart < tableEnd)) return false;

    Layout layout;
    layout.width = static_cast<int>(width);
    layout.height = static_cast<int>(height);
    layout.topDown = topDown;
    layout.bitCount = bitCount;
    layout.compression = compression;
    layout.masks = masks;
    const std::uint64_t dataBytes =
        rle ? imageBytes : static_cast<std::uint64_t>(height) * layout.stride();
    if (dataStart > file.size() || dataBytes > file.size() - dataStart) return false;
    if (bitCount <= 8) {
        for (std::size_t at = tableStart; at < tableEnd; at += entryBytes) {
            layout.palette.push_back(static_cast<std::uint32_t>(file[at + 2]) << 16 |
                                     static_cast<std::uint32_t>(file[at + 1]) << 8 | file[at]);
        }
    }
    layout.pixels = file.subspan(dataStart, dataBytes);
    out = std::move(layout);
    return true;
}

}  // namespace bmp
