#include "bmpwriter/BmpWriter.h"

#include <fstream>

namespace bmpwriter {

namespace {

constexpr std::uint32_t fileHeaderBytes = 14;
constexpr std::uint32_t infoHeaderBytes = 40;
// 72 dots an inch, as paint programs write it.
constexpr std::uint32_t pixelsPerMetre = 2835;

void put16(std::vector<std::uint8_t>& out, std::uint32_t v) {
    out.push_back(static_cast<std::uint8_t>(v & 0xFF));
    out.push_back(static_cast<std::uint8_t>((v >> 8) & 0xFF));
}

void put32(std::vector<std::uint8_t>& out, std::uint32_t v) {
    put16(out, v & 0xFFFF);
    put16(out, v >> 16);
}

}  // namespace

std::vector<std::uint8_t> encodeBmp(const platform::Bitmap& bitmap) {
    const auto width = static_cast<std::uint32_t>(bitmap.width);
    const auto height = static_cast<std::uint32_t>(bitmap.height);
    const std::uint32_t stride = (width * 3 + 3) / 4 * 4;
    const std::uint32_t pixelBytes = stride * height;
    const std::uint32_t offset = fileHeaderBytes + infoHeaderBytes;

    std::vector<std::uint8_t> out;
    out.reserve(offset + pixelBytes);
    out.push_back('B');
    out.push_back('M');
    put32(out, offset + pixelBytes);
    put32(out, 0);  // two reserved words
    put32(out, offset);

    put32(out, infoHeaderBytes);
    put32(out, width);
    put32(out, height);  // positive: the bottom row comes first
    put16(out, 1);       // planes
    put16(out, 24);      // bits a pixel
    put32(out, 0);       // no compression
    put32(out, pixelBytes);
    put32(out, pixelsPerMetre);
    put32(out, pixelsPerMetre);
    put32(out, 0);  // no colour table
    put32(out, 0);

    for (int y = bitmap.height - 1; y >= 0; --y) {
        for (int x = 0; x < bitmap.width; ++x) {
            const std::uint32_t p = bitmap.at(x, y);
            out.push_back(static_cast<std::uint8_t>(p & 0xFF));
            out.push_back(static_cast<std::uint8_t>((p >> 8) & 0xFF));
            out.push_back(static_cast<std::uint8_t>((p >> 16) & 0xFF));
        }
        for (std::uint32_t pad = width * 3; pad < stride; ++pad) out.push_back(0);
    }
    return out;
}

bool writeFile(const std::filesystem::path& path, std::span<const std::uint8_t> bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out);
}

}  // namespace bmpwriter
