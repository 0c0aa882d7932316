#pragma once

#include <cmath>
#include <numbers>

// Plain 2D maths for the drawing code: points in pixels, angles in radians, y downwards.
namespace assets {

struct Vec2 {
    double x = 0;
    double y = 0;
};

constexpr Vec2 operator+(Vec2 a, Vec2 b) {
    return {a.x + b.x, a.y + b.y};
}
constexpr Vec2 operator-(Vec2 a, Vec2 b) {
    return {a.x - b.x, a.y - b.y};
}
constexpr Vec2 operator*(Vec2 a, double s) {
    return {a.x * s, a.y * s};
}
inline double length(Vec2 a) {
    return std::hypot(a.x, a.y);
}

// The unit vector at `angle`; 0 points right, pi/2 points down.
inline Vec2 direction(double angle) {
    return {std::cos(angle), std::sin(angle)};
}
inline Vec2 rotated(Vec2 a, double angle) {
    const double c = std::cos(angle);
    const double s = std::sin(angle);
    return {a.x * c - a.y * s, a.x * s + a.y * c};
}

constexpr double lerp(double a, double b, double t) {
    return a + (b - a) * t;
}
constexpr Vec2 lerp(Vec2 a, Vec2 b, double t) {
    return {lerp(a.x, b.x, t), lerp(a.y, b.y, t)};
}
constexpr double degrees(double d) {
    return d * std::numbers::pi / 180.0;
}

}  // namespace assets
