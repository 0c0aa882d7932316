#include "platform/web/GamepadMapping.h"

#include <cmath>
#include <cstddef>

namespace platform {

namespace {

// Where each of SDL's controller buttons sits in the standard mapping.
constexpr std::size_t standardButtons[JoystickReading::buttonCount] = {0,  1, 2,  3,  8,
                                                                       16, 9, 10, 11, 4};

// -1 to 1 onto the hardware's -32768 to 32767.
int axisValue(std::span<const double> axes, std::size_t i) {
    if (i >= axes.size() || std::isnan(axes[i])) return 0;
    const double v = axes[i] < -1 ? -1 : (axes[i] > 1 ? 1 : axes[i]);
    return static_cast<int>(std::lround(v < 0 ? v * 32768 : v * 32767));
}

}  // namespace

JoystickReading gamepadReading(std::span<const double> axes, std::span<const bool> buttons,
                               bool standardMapping) {
    JoystickReading reading;
    reading.x = axisValue(axes, 0);
    reading.y = axisValue(axes, 1);
    for (std::size_t i = 0; i < reading.buttons.size(); ++i) {
        const std::size_t from = standardMapping ? standardButtons[i] : i;
        reading.buttons[i] = from < buttons.size() && buttons[from];
    }
    return reading;
}

}  // namespace platform
