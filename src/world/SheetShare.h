#pragma once

#include <string>
#include <string_view>

class GameEngine;
class Image;

// A class's shared sprite sheet lives in its static sheet and holder count. The first instance to
// take a share loads the sheet (see loadSheet); only an instance whose take succeeded gives its
// share back, so the count never falls below zero and the last holder releases the sheet once.
bool takeSheet(GameEngine* engine, Image*& sheet, int& holders, const std::string& file,
               std::string_view loadFailure, std::string_view keyFailure);
// Releases the sheet with the last share and clears the pointer, so the next taker loads anew.
void giveBackSheet(GameEngine* engine, Image*& sheet, int& holders);
