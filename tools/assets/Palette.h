#pragma once

#include <cstdint>

// The game's colours, 8 bits a component. None of the body colours falls to black in 5-6-5.
namespace assets {

struct Rgb {
    double r = 0;
    double g = 0;
    double b = 0;
};

constexpr Rgb rgb(std::uint32_t hex) {
    return {((hex >> 16) & 0xFF) / 255.0, ((hex >> 8) & 0xFF) / 255.0, (hex & 0xFF) / 255.0};
}
constexpr Rgb mix(Rgb a, Rgb b, double t) {
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

namespace palette {
// Our craft.
constexpr Rgb hullLight = rgb(0xD8DEE6);
constexpr Rgb hullMid = rgb(0x9AA6B4);
constexpr Rgb panel = rgb(0x5C6878);
constexpr Rgb accent = rgb(0x2F6FD6);
constexpr Rgb accentLight = rgb(0x7FB2FF);
constexpr Rgb canopy = rgb(0x4FE0F0);
constexpr Rgb darkest = rgb(0x101418);
// Engine fire and muzzle flashes.
constexpr Rgb fireCore = rgb(0xFFF6C0);
constexpr Rgb fireOrange = rgb(0xFF9A2E);
constexpr Rgb fireEdge = rgb(0xD84A1A);
// Bullets.
constexpr Rgb white = rgb(0xFFFFFF);
constexpr Rgb shotCyan = rgb(0x6FF2FF);
constexpr Rgb enemyShotCore = rgb(0xFF40C0);
constexpr Rgb enemyShotEdge = rgb(0x9A30FF);
// Drones.
constexpr Rgb droneHull = rgb(0x6E8B3D);
constexpr Rgb droneDark = rgb(0x3C5A24);
constexpr Rgb sensorRed = rgb(0xFF3030);
// Raiders.
constexpr Rgb raiderHull = rgb(0xB22234);
constexpr Rgb raiderDark = rgb(0x6A1020);
constexpr Rgb raiderStripe = rgb(0xF2C230);
// Capital ships.
constexpr Rgb gunmetal = rgb(0x4A505C);
constexpr Rgb slate = rgb(0x2C313A);
constexpr Rgb windowLit = rgb(0xFFD27A);
constexpr Rgb engineGlow = rgb(0x60A0FF);
// Explosions.
constexpr Rgb blastYellow = rgb(0xFFE070);
constexpr Rgb blastOrange = rgb(0xFF8A20);
constexpr Rgb blastRed = rgb(0xC83010);
constexpr Rgb smokeLight = rgb(0x707070);
constexpr Rgb smokeDark = rgb(0x383838);
// Navigation screen.
constexpr Rgb navNavy = rgb(0x0A1430);
constexpr Rgb navCyan = rgb(0x30C0E0);
constexpr Rgb navLabel = rgb(0xE0F0FF);
}  // namespace palette

}  // namespace assets
