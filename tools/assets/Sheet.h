#pragma once

#include <cairo.h>

#include <string_view>
#include <vector>

#include "platform/Bitmap.h"

namespace assets {

// Bump whenever any picture changes, together with the hashes the tests expect.
constexpr int assetsVersion = 2;

// How the game cuts a sheet: frame i lies in row i / columns, column i % columns; its rectangle
// is offset within the cell and the game stretches it to drawWidth x drawHeight on the screen.
struct SheetGrid {
    int columns = 1;
    int rows = 1;
    int cellWidth = 0;
    int cellHeight = 0;
    int frameLeft = 0;
    int frameTop = 0;
    int frameWidth = 0;
    int frameHeight = 0;
    int drawWidth = 0;
    int drawHeight = 0;

    int count() const { return columns * rows; }
    int left(int index) const { return index % columns * cellWidth + frameLeft; }
    int top(int index) const { return index / columns * cellHeight + frameTop; }
};

struct Sheet {
    std::string_view fileName;
    int width = 0;
    int height = 0;
    SheetGrid grid;
    std::vector<bool> shown;  // by frame: whether the game ever draws it
    platform::Bitmap (*draw)() = nullptr;
};

// Every bitmap of the game, in a fixed order.
const std::vector<Sheet>& sheets();
const Sheet* findSheet(std::string_view fileName);

// Sets up the frame's drawing space: the frame as the game shows it on the screen (drawWidth x
// drawHeight pixels, origin top left), mirrored left to right when asked. Undo with
// cairo_restore.
void enterFrame(cairo_t* cr, const SheetGrid& grid, int index, bool mirrored);

}  // namespace assets
