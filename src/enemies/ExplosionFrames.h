#pragma once

#include "world/FrameGrid.h"

// The two explosion sheets. Each frame skips its cell's top row and is two pixels narrower and
// lower than the cell; it is drawn into a rectangle the size of the cell.
constexpr FrameGrid explosion1Grid{3, 3, 235, 177, 0, 1, 233, 175, 235, 177};
constexpr FrameGrid explosion2Grid{7, 2, 108, 150, 0, 1, 106, 148, 108, 150};
