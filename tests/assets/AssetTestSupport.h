#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/Rect.h"
#include "platform/video/Bitmap.h"

// What the game expects of each bitmap file, written out from the game's own frame tables, and
// helpers to look at a bitmap the way the game loads it.
namespace assettest {

struct Expected {
    std::string file;
    int width;
    int height;
    // The game's frame grid: frame i in row i / columns, column i % columns; its rectangle is
    // offset within the cell and stretched to drawWidth x drawHeight on the screen.
    int columns;
    int rows;
    int cellWidth;
    int cellHeight;
    int frameLeft;
    int frameTop;
    int frameWidth;
    int frameHeight;
    int drawWidth;
    int drawHeight;
    std::vector<int> shown;   // frames the game draws
    std::vector<int> unused;  // frames the game never draws: left black
    bool solid;               // no holes inside what is drawn
    bool framed;              // nothing may touch the edge of a frame rectangle
};

const std::vector<Expected>& expectedSheets();
const Expected& expected(const std::string& file);

// The file the generator writes for `file`, read back through the game's decoder. Fails the
// test when the decoder refuses it.
platform::Bitmap decodedSheet(const std::string& file);

// The colour key as the game applies it: black after truncation to 5-6-5.
bool transparent(std::uint32_t rgb);

struct Frame {
    int left;
    int top;
    int width;
    int height;
};
Frame frameRect(const Expected& e, int index);
// The source pixel the game's stretching blit shows at screen pixel (dx, dy) of the frame's
// drawing rectangle.
platform::Point sourcePixel(const Expected& e, int index, int dx, int dy);

}  // namespace assettest
