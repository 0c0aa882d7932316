#include "assets/Canvas.h"
#include "assets/Draw.h"
#include "assets/Pictures.h"
#include "assets/Pinholes.h"
#include "assets/ShipParts.h"

// The four Vosk capital ships, bows to the left, engines glowing blue at the stern.
namespace assets {

using ship::engine;
using ship::plate;
using ship::ribs;
using ship::seam;
using ship::stripe;
using ship::turret;
using ship::windows;

platform::Bitmap drawFlagship() {
    Canvas canvas(flagshipSize.width, flagshipSize.height);
    cairo_t* cr = canvas.cr();
    Random random(0x0F1A6);
    for (double y : {122.0, 150.0, 178.0}) engine(cr, {880, y}, 13);
    // Keel pod and stern fin behind the main hull.
    plate(cr, {{290, 190}, {320, 238}, {610, 246}, {680, 196}}, 0.6);
    windows(cr, random, 340, 600, 226, 9);
    plate(cr, {{760, 104}, {805, 30}, {845, 28}, {862, 104}}, 0.8);
    seam(cr, {800, 52}, {846, 52});
    plate(cr, {{12, 150},
               {140, 116},
               {420, 100},
               {840, 94},
               {874, 106},
               {874, 194},
               {700, 212},
               {260, 200},
               {90, 174}});
    plate(cr,
          {{40, 160},
           {200, 186},
           {700, 196},
           {860, 184},
           {874, 194},
           {700, 212},
           {260, 200},
           {90, 174}},
          0.5);
    ribs(cr,
         {{12, 150},
          {140, 116},
          {420, 100},
          {840, 94},
          {874, 106},
          {874, 194},
          {700, 212},
          {260, 200},
          {90, 174}},
         {150, 260, 380, 500, 620, 740});
    for (double y : {126.0, 140.0, 164.0}) windows(cr, random, 120 + (170 - y), 840, y, 8);
    stripe(cr, {{60, 146}, {110, 128}, {124, 128}, {74, 146}});
    stripe(cr, {{84, 152}, {134, 134}, {148, 134}, {98, 152}});
    // Superstructure in three tiers, the bridge tower on top.
    plate(cr, {{400, 102}, {450, 72}, {770, 68}, {800, 96}}, 1.2);
    windows(cr, random, 470, 760, 84, 7);
    plate(cr, {{540, 74}, {575, 50}, {725, 48}, {748, 70}}, 1.3);
    windows(cr, random, 585, 720, 60, 7);
    cairo_move_to(cr, 672, 24);
    cairo_line_to(cr, 672, 4);
    cairo_move_to(cr, 690, 24);
    cairo_line_to(cr, 696, 10);
    outline(cr, palette::hullMid, 1.6);
    plate(cr, {{630, 52}, {642, 26}, {706, 22}, {716, 50}}, 1.5);
    cairo_rectangle(cr, 646, 32, 58, 5);
    setColor(cr, palette::windowLit);
    cairo_fill(cr);
    // Bow guns and a ridge of sensor blisters.
    turret(cr, {250, 110}, 14);
    turret(cr, {340, 104}, 14);
    turret(cr, {470, 206}, 12, true);
    for (double x : {170.0, 200.0}) {
        ellipse(cr, {x, 118 - (x - 170) * 0.1}, 8, 4);
        litFill(cr, palette::hullMid, palette::gunmetal);
    }
    return finished(canvas);
}

platform::Bitmap drawCommandShip() {
    Canvas canvas(commandShipSize.width, commandShipSize.height);
    cairo_t* cr = canvas.cr();
    Random random(0xC0DE5);
    for (double y : {168.0, 198.0}) engine(cr, {522, y}, 14);
    plate(cr, {{10, 172},
               {90, 142},
               {420, 134},
               {500, 140},
               {516, 152},
               {516, 214},
               {420, 232},
               {80, 212}});
    plate(cr, {{40, 186}, {420, 208}, {516, 200}, {516, 214}, {420, 232}, {80, 212}}, 0.5);
    ribs(cr,
         {{10, 172},
          {90, 142},
          {420, 134},
          {500, 140},
          {516, 152},
          {516, 214},
          {420, 232},
          {80, 212}},
         {120, 200, 280, 440});
    windows(cr, random, 70, 500, 152, 8);
    windows(cr, random, 90, 500, 166, 8);
    stripe(cr, {{30, 176}, {500, 178}, {500, 184}, {40, 182}});
    // The tall bridge tower.
    plate(cr, {{296, 136}, {314, 70}, {326, 34}, {384, 30}, {396, 66}, {410, 136}}, 1.2);
    for (double y = 72; y < 128; y += 12) windows(cr, random, 318, 396, y, 7);
    plate(cr, {{318, 50}, {330, 24}, {380, 22}, {392, 50}}, 1.5);
    cairo_rectangle(cr, 334, 32, 44, 5);
    setColor(cr, palette::windowLit);
    cairo_fill(cr);
    cairo_move_to(cr, 355, 22);
    cairo_line_to(cr, 355, 4);
    outline(cr, palette::hullMid, 1.6);
    ellipse(cr, {370, 16}, 9, 4);
    litFill(cr, palette::hullMid, palette::gunmetal);
    // A sensor spire at the bow.
    plate(cr, {{60, 152}, {70, 120}, {78, 118}, {84, 146}}, 1.1);
    turret(cr, {200, 136}, 12);
    return finished(canvas);
}

platform::Bitmap drawTroopCarrier() {
    Canvas canvas(troopCarrierSize.width, troopCarrierSize.height);
    cairo_t* cr = canvas.cr();
    Random random(0x7200F);
    for (double y : {90.0, 120.0, 150.0}) engine(cr, {602, y}, 13);
    plate(cr,
          {{20, 84}, {62, 52}, {560, 50}, {596, 70}, {596, 172}, {560, 192}, {62, 192}, {20, 162}});
    plate(cr, {{400, 52}, {424, 30}, {520, 28}, {534, 50}}, 1.3);
    cairo_rectangle(cr, 430, 36, 86, 4);
    setColor(cr, palette::windowLit);
    cairo_fill(cr);
    windows(cr, random, 70, 580, 62, 8);
    windows(cr, random, 40, 580, 80, 8);
    // Four bay doors along the flank, edged with amber lights.
    for (int i = 0; i < 4; ++i) {
        const double x = 110 + i * 96;
        plate(cr, {{x, 100}, {x + 80, 100}, {x + 80, 166}, {x, 166}}, 0.4);
        seam(cr, {x + 40, 102}, {x + 40, 164});
        for (double y = 104; y < 164; y += 12) {
            cairo_rectangle(cr, x + 4, y, 3, 3);
            cairo_rectangle(cr, x + 73, y, 3, 3);
        }
        setColor(cr, palette::windowLit);
        cairo_fill(cr);
    }
    seam(cr, {24, 176}, {596, 176});
    stripe(cr, {{24, 92}, {100, 92}, {100, 98}, {24, 98}});
    return finished(canvas);
}

platform::Bitmap drawDestroyer() {
    Canvas canvas(destroyerSize.width, destroyerSize.height);
    cairo_t* cr = canvas.cr();
    Random random(0xDE570);
    for (double y : {74.0, 96.0}) engine(cr, {684, y}, 10);
    plate(cr, {{630, 62}, {650, 20}, {668, 20}, {676, 64}}, 0.8);
    plate(cr, {{8, 80}, {120, 62}, {600, 58}, {676, 64}, {676, 106}, {600, 112}, {120, 104}});
    plate(cr, {{30, 88}, {600, 98}, {676, 96}, {676, 106}, {600, 112}, {120, 104}}, 0.5);
    ribs(cr, {{8, 80}, {120, 62}, {600, 58}, {676, 64}, {676, 106}, {600, 112}, {120, 104}},
         {100, 250, 400, 520});
    windows(cr, random, 60, 660, 76, 9);
    stripe(cr, {{40, 84}, {120, 70}, {128, 70}, {48, 84}});
    plate(cr, {{530, 60}, {546, 38}, {594, 36}, {606, 60}}, 1.3);
    cairo_rectangle(cr, 552, 43, 38, 4);
    setColor(cr, palette::windowLit);
    cairo_fill(cr);
    for (double x : {190.0, 310.0, 430.0}) turret(cr, {x, 62}, 11);
    turret(cr, {370, 106}, 10, true);
    return finished(canvas);
}

}  // namespace assets
