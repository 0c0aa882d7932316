#pragma once

#include <cstdint>

namespace platform {

// How a joystick axis is reported: the range its position is scaled onto, and the dead zone
// around the centre in ten-thousandths of the travel to either end.
struct AxisSettings {
    int min = 0;
    int max = 65535;
    int deadZone = 0;
};

// a * b / c in 64 bits, rounded to the nearest integer with halves away from zero.
std::int64_t mulDiv(std::int64_t a, std::int64_t b, std::int64_t c);

// Scales a raw position (-32768 to 32767) onto the axis's range. Inside the dead zone the axis
// reads the centre of its range; past it the rest of the travel is spread over each half of the
// range, so both ends are reached.
int scaleAxis(int raw, const AxisSettings& axis);

}  // namespace platform
