#pragma once

#include <cairo.h>

#include <string_view>
#include <vector>

#include "platform/video/Bitmap.h"
#include "world/FrameGrid.h"

namespace assets {

// Bump whenever any picture changes, together with the hashes the tests expect.
constexpr int assetsVersion = 2;

struct Sheet {
    std::string_view fileName;
    int width = 0;
    int height = 0;
    FrameGrid grid;           // as the game cuts it
    std::vector<bool> shown;  // by frame: whether the game ever draws it
    platform::Bitmap (*draw)() = nullptr;
};

// Every bitmap of the game, in a fixed order.
const std::vector<Sheet>& sheets();
const Sheet* findSheet(std::string_view fileName);

// Sets up the frame's drawing space: the frame as the game shows it on the screen (drawWidth x
// drawHeight pixels, origin top left), mirrored left to right when asked. Undo with
// cairo_restore.
void enterFrame(cairo_t* cr, const FrameGrid& grid, int index, bool mirrored);

}  // namespace assets
