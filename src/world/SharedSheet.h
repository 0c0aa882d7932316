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

// A class's shared sprite sheet lives in its static sheet and holder count. The first instance to
// take a share loads the sheet; only an instance whose take succeeded gives its share back, so
// the count never falls below zero and the last holder releases the sheet once.
bool takeSheet(GameEngine* engine, Image*& sheet, int& holders, const std::string& file,
               std::string_view loadFailure, std::string_view keyFailure);
// Releases the sheet with the last share and clears the pointer, so the next taker loads anew.
void giveBackSheet(GameEngine* engine, Image*& sheet, int& holders);
