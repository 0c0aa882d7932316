#include "graphics/BmpRle.h"

#include <algorithm>

namespace bmp {

namespace {

// The second byte of a pair whose first byte is 0.
enum Escape : std::uint8_t { endOfLine = 0, endOfBitmap = 1, delta = 2 };

// Places pixels at the stream's current position, row by row from the bottom of the picture.
class RleCursor {
public:
    RleCursor(const Layout& layout, platform::Bitmap& out) : layout(layout), out(out) {}

    bool insidePicture() const { return row < layout.height; }
    void nextLine() {
        x = 0;
        ++row;
    }
    // A move may end on the right edge or just above the top row, but not beyond.
    bool move(int right, int up) {
        x += right;
        row += up;
        return x <= layout.width && row <= layout.height;
    }
    // Writes `count` pixels whose colour indices `index(i)` gives. A run never wraps onto the
    // next row: one that overflows its row is a broken stream.
    template <typename Index>
    bool put(int count, Index index) {
        if (count > layout.width - x) return false;
        std::uint32_t* to =
            out.pixels.data() + static_cast<std::size_t>(layout.outputRow(row)) * out.width + x;
        for (int i = 0; i < count; ++i) {
            const unsigned colour = index(i);
            if (colour >= layout.palette.size()) return false;
            to[i] = layout.palette[colour];
        }
        x += count;
        return true;
    }

private:
    const Layout& layout;
    platform::Bitmap& out;
    int x = 0;
    int row = 0;
};

// In RLE4 pixel i of a run or literal is the high nibble for even i, the low one for odd i.
unsigned nibble(std::uint8_t byte, int i) {
    return i % 2 == 0 ? byte >> 4 : byte & 0x0F;
}

}  // namespace

bool decodeRle(const Layout& layout, platform::Bitmap& out) {
    const std::span<const std::uint8_t> data = layout.pixels;
    const bool rle4 = layout.compression == bmp::rle4;
    RleCursor cursor(layout, out);
    std::size_t at = 0;
    // A stream that stops short, without its end-of-bitmap code, leaves the rest at colour 0,
    // as the old loader did.
    while (cursor.insidePicture() && data.size() - at >= 2) {
        const int count = data[at];
        const std::uint8_t value = data[at + 1];
        at += 2;
        if (count > 0) {
            const bool ok =
                cursor.put(count, [&](int i) { return rle4 ? nibble(value, i) : value; });
            if (!ok) return false;
            continue;
        }
        switch (value) {
            case endOfLine:
                cursor.nextLine();
                break;
            case endOfBitmap:
                return true;
            case delta:
                if (data.size() - at < 2) return true;
                if (!cursor.move(data[at], data[at + 1])) return false;
                at += 2;
                break;
            default: {
                const std::size_t bytes = rle4 ? (value + 1u) / 2 : value;
                if (data.size() - at < bytes) return true;
                const std::uint8_t* literal = data.data() + at;
                const bool ok = cursor.put(
                    value, [&](int i) { return rle4 ? nibble(literal[i / 2], i) : literal[i]; });
                if (!ok) return false;
                // Literals are padded to a whole number of 16-bit words.
                at += std::min(bytes + bytes % 2, data.size() - at);
            }
        }
    }
    return true;
}

}  // namespace bmp
