#pragma once

#include <cstdint>

// The built-in font of the drawing context: fixed cells of 8 x 16 pixels for the printable
// ASCII characters.
namespace platform::font {

constexpr int cellWidth = 8;
constexpr int cellHeight = 16;

// The glyph's 16 rows, one byte each, bit 7 the leftmost column. Characters without a glyph of
// their own show the glyph of '?'.
const std::uint8_t* glyph(unsigned char c);

}  // namespace platform::font
