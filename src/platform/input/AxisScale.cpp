#include "platform/input/AxisScale.h"

namespace platform {

namespace {
constexpr std::int64_t fullScale = 10000;
}  // namespace

std::int64_t mulDiv(std::int64_t a, std::int64_t b, std::int64_t c) {
    const std::int64_t product = a * b;
    std::int64_t quotient = product / c;
    const std::int64_t remainder = product % c;
    if (2 * (remainder < 0 ? -remainder : remainder) >= (c < 0 ? -c : c)) {
        quotient += (product < 0) == (c < 0) ? 1 : -1;
    }
    return quotient;
}

int scaleAxis(int raw, const AxisSettings& axis) {
    const std::int64_t centre = axis.min + (static_cast<std::int64_t>(axis.max) - axis.min) / 2;
    // The two halves of the travel differ by one: 32768 below the centre, 32767 above.
    const bool positive = raw >= 0;
    const std::int64_t travel = positive ? 32767 : 32768;
    const std::int64_t distance = positive ? raw : -static_cast<std::int64_t>(raw);
    const std::int64_t dead = mulDiv(travel, axis.deadZone, fullScale);
    if (distance <= dead) return static_cast<int>(centre);
    const std::int64_t half = positive ? axis.max - centre : centre - axis.min;
    const std::int64_t offset = mulDiv(distance - dead, half, travel - dead);
    return static_cast<int>(positive ? centre + offset : centre - offset);
}

}  // namespace platform
