#pragma once

#include <string>

#include "platform/Rect.h"

class GameEngine;
class Image;

// The navigation screen's mouse cursor: its picture's top-left corner at the mouse location.
class Cursor {
public:
    Cursor(GameEngine* engine, const std::string& fileName);
    ~Cursor();
    Cursor(const Cursor&) = delete;
    Cursor& operator=(const Cursor&) = delete;

    platform::Point getPosition() const { return {area.left, area.top}; }
    // Follows the mouse wherever it goes; drawing clips what leaves the screen.
    void update();
    void draw();

private:
    // Where the cursor is drawn, from the mouse location.
    void place();

    GameEngine* engine;
    // Without its picture the cursor measures 0 x 0 and draws nothing.
    Image* image = nullptr;
    platform::Rect area;
};
