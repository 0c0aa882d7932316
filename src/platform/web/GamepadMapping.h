#pragma once

#include <span>

#include "platform/input/InputHardware.h"

namespace platform {

// A pad as the Gamepad API reports it: axes from -1 to 1, buttons pressed or not. With the
// standard mapping the left stick and the buttons come in the order SDL's controller mapping
// gives them (A, B, X, Y, back, guide, start, the two stick presses, the left shoulder); any
// other pad is read as it reports itself, first two axes and first ten buttons.
JoystickReading gamepadReading(std::span<const double> axes, std::span<const bool> buttons,
                               bool standardMapping);

}  // namespace platform
