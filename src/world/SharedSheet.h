#pragma once

#include <string>
#include <string_view>

class GameEngine;
class Image;

// Loads a sprite sheet and keys it on black, the way every class that draws one does. On failure
// it writes the class's own line (the engine has written its own before) and answers null, having
// released whatever it loaded, so an unkeyed sheet never paints black boxes.
Image* loadSheet(GameEngine* engine, const std::string& file, std::string_view loadFailure,
                 std::string_view keyFailure);
