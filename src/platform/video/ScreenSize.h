#pragma once

namespace platform {

// The game's picture: the back buffer, the window and the display mode are all this size.
constexpr int screenWidth = 800;
constexpr int screenHeight = 600;

}  // namespace platform
