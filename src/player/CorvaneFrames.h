#pragma once

#include "platform/Rect.h"
#include "world/FrameGrid.h"

// The craft's frame is 85 pixels square; its four sheets are cut in 6 x 5 cells 85 apart, each
// frame 83 x 84 and stretched into the frame.
constexpr int corvaneSize = 85;
constexpr FrameGrid corvaneGrid{6, 5, 85, 85, 0, 0, 83, 84, corvaneSize, corvaneSize};

// The HX4's gun points within the frame, facing right, in the order the craft keeps them:
// standmech up, hovermech up, standmech straight, hovermech straight, standmech down, hovermech
// down, fighter.
constexpr platform::Point hx4GunPoints[7] = {{71, 6},  {72, 11}, {77, 26}, {77, 32},
                                             {74, 46}, {74, 51}, {50, 33}};
// The HX4 is hit in the same box in every mode.
constexpr platform::Rect hx4HitBox{20, 20, 60, 60};
