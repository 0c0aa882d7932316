#pragma once

#include "platform/Rect.h"

// How a sprite sheet is cut: frame i lies in row i / columns, column i % columns of equal cells;
// its rectangle sits at (frameLeft, frameTop) within the cell, and the game draws it stretched
// into its object's world rectangle of drawWidth x drawHeight.
struct FrameGrid {
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

    constexpr int count() const { return columns * rows; }
    constexpr int left(int index) const { return index % columns * cellWidth + frameLeft; }
    constexpr int top(int index) const { return index / columns * cellHeight + frameTop; }
    constexpr platform::Rect frame(int index) const {
        return {left(index), top(index), left(index) + frameWidth, top(index) + frameHeight};
    }
};
