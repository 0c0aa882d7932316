#pragma once

#include <filesystem>
#include <vector>

#include "assets/Sheet.h"
#include "platform/video/Bitmap.h"

// Pictures for people rather than for the game.
namespace assets {

struct Rendered {
    const Sheet* sheet;
    platform::Bitmap bitmap;
};

// Every bitmap as the game keys it, on a dark page, with its cells and frame numbers.
bool writeContactSheet(const std::vector<Rendered>& all, const std::filesystem::path& png);
// An 800 x 600 battle put together from the bitmaps, as the game would draw it.
bool writeScene(const std::vector<Rendered>& all, const std::filesystem::path& png);
// The desktop's icon for the game: the fighter on a patch of night sky, 256 x 256.
bool writeIcon(const std::vector<Rendered>& all, const std::filesystem::path& png);

}  // namespace assets
