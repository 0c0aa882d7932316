#include "support/BmpBuilder.h"

#include <algorithm>

namespace {

constexpr std::uint8_t paddingJunk = 0xEE;

void put(std::vector<std::uint8_t>& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

}  // namespace

std::vector<std::uint8_t> BmpBuilder::build() const {
    std::vector<std::uint8_t> out{'B', 'M'};
    out.insert(out.end(), 12, 0);  // size and offset, filled in at the end
    const std::size_t headerStart = out.size();
    put(out, headerSize, 4);
    if (headerSize == 12) {
        put(out, static_cast<std::uint32_t>(width), 2);
        put(out, static_cast<std::uint32_t>(height), 2);
        put(out, planes, 2);
        put(out, bitCount, 2);
    } else {
        put(out, static_cast<std::uint32_t>(width), 4);
        put(out, static_cast<std::uint32_t>(height), 4);
        put(out, planes, 2);
        put(out, bitCount, 2);
        put(out, compression, 4);
        put(out, imageBytes.value_or(static_cast<std::uint32_t>(pixels.size())), 4);
        put(out, static_cast<std::uint32_t>(density), 4);
        put(out, static_cast<std::uint32_t>(density), 4);
        put(out, coloursUsed.value_or(static_cast<std::uint32_t>(palette.size())), 4);
        put(out, 0, 4);
        const std::size_t maskCount = headerSize >= 56 ? 4 : headerSize >= 52 ? 3 : 0;
        for (std::size_t i = 0; i < maskCount; ++i) put(out, masks[i], 4);
    }
    while (out.size() < headerStart + headerSize) out.push_back(0);
    if (headerSize == 40 && compression == 3) {
        for (int i = 0; i < 3; ++i) put(out, masks[i], 4);
    }
    for (std::uint32_t colour : palette) put(out, colour, headerSize == 12 ? 3 : 4);
    const std::uint32_t offset = pixelOffset.value_or(static_cast<std::uint32_t>(out.size()));
    while (out.size() < offset) out.push_back(0);
    out.insert(out.end(), pixels.begin(), pixels.end());

    std::vector<std::uint8_t> header;
    put(header, fileSize.value_or(static_cast<std::uint32_t>(out.size())), 4);
    put(header, 0, 4);
    put(header, offset, 4);
    std::copy(header.begin(), header.end(), out.begin() + 2);
    return out;
}

std::vector<std::uint8_t> BmpBuilder::packRows(
    int bitCount, const std::vector<std::vector<std::uint32_t>>& rows) {
    std::vector<std::uint8_t> out;
    for (const auto& row : rows) {
        const std::size_t start = out.size();
        if (bitCount >= 8) {
            for (std::uint32_t value : row) put(out, value, bitCount / 8);
        } else {
            // Leftmost pixel in the most significant bits.
            for (std::size_t x = 0; x < row.size(); ++x) {
                const std::size_t bit = x * static_cast<std::size_t>(bitCount);
                if (bit % 8 == 0) out.push_back(0);
                out.back() |= static_cast<std::uint8_t>(row[x] << (8 - bitCount - bit % 8));
            }
        }
        while ((out.size() - start) % 4 != 0) out.push_back(paddingJunk);
    }
    return out;
}
