#include <string_view>

#include "assets/Canvas.h"
#include "assets/Draw.h"
#include "assets/Pictures.h"
#include "assets/Random.h"
#include "assets/StrokeFont.h"

// The navigation screen: a tactical star map with four sector buttons, the highlights that
// lock onto a sector while the mouse is over its button, and the mouse arrow.
namespace assets {

namespace {

struct Area {
    double left, top, right, bottom;
};

struct Sector {
    Area button;       // the hot area on the screen
    Vec2 highlightAt;  // where the game draws this sector's highlight cell
    Vec2 target;       // the sector's mark, in the highlight cell
    Vec2 leaderEnd;    // where the highlight's leader line meets the button, in the cell
    std::string_view name;
    std::string_view place;
};

constexpr double reticle = 54;
const Sector sectors[4] = {
    {{200, 230, 400, 280}, {100, 75}, {100, 75}, {150, 152}, "SECTOR 1", "KESTRA GIANT"},
    {{460, 180, 660, 230}, {510, 20}, {100, 80}, {75, 157}, "SECTOR 2", "EMBER REACH"},
    {{190, 300, 390, 350}, {120, 300}, {100, 126}, {130, 53}, "SECTOR 3", "THE SPINDLE"},
    {{460, 240, 660, 290}, {510, 260}, {100, 118}, {75, 33}, "SECTOR 4", "RED WIDOW"},
};

const Rgb gridMajor = mix(palette::navNavy, palette::navCyan, 0.22);

void strokeText(cairo_t* cr, std::string_view text, Vec2 at, double height, Rgb c) {
    cairo_new_path(cr);
    textPath(cr, text, at, height);
    outline(cr, c, height / 7.5);
}

void paintPlanet(cairo_t* cr, Vec2 at, double r, Rgb lit, Rgb shade) {
    glow(cr, at, r * 1.35, lit, 0.25);
    cairo_pattern_t* p =
        cairo_pattern_create_radial(at.x - r * 0.4, at.y - r * 0.4, r * 0.1, at.x, at.y, r);
    cairo_pattern_add_color_stop_rgb(p, 0, lit.r, lit.g, lit.b);
    cairo_pattern_add_color_stop_rgb(p, 1, shade.r, shade.g, shade.b);
    cairo_set_source(cr, p);
    cairo_new_path(cr);
    cairo_arc(cr, at.x, at.y, r, 0, 2 * std::numbers::pi);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
}

void paintMarks(cairo_t* cr) {
    using namespace palette;
    const Vec2 kestra = sectors[0].highlightAt + sectors[0].target;
    paintPlanet(cr, kestra, 30, mix(accentLight, white, 0.2), mix(accent, navNavy, 0.6));
    ellipse(cr, kestra, 46, 9);
    outline(cr, mix(navCyan, accentLight, 0.5), 2.0);
    cairo_save(cr);
    cairo_rectangle(cr, kestra.x - 50, kestra.y - 12, 100, 12);
    cairo_clip(cr);
    paintPlanet(cr, kestra, 30, mix(accentLight, white, 0.2), mix(accent, navNavy, 0.6));
    cairo_restore(cr);

    const Vec2 ember = sectors[1].highlightAt + sectors[1].target;
    paintPlanet(cr, ember, 22, blastYellow, mix(blastRed, navNavy, 0.5));

    const Vec2 spindle = sectors[2].highlightAt + sectors[2].target;
    Random rocks(0x5917);
    for (int i = 0; i < 18; ++i) {
        // One draw per statement: the order of the draws must not be left to the compiler.
        const double reach = rocks.range(14, 40);
        const double angle = rocks.range(0, 2 * std::numbers::pi);
        const Vec2 at = spindle + direction(angle) * reach;
        const double ry = rocks.range(1.2, 2.5);
        const double rx = rocks.range(1.5, 3.5);
        ellipse(cr, at, rx, ry);
        setColor(cr, mix(hullMid, panel, rocks.next()));
        cairo_fill(cr);
    }
    polygon(cr, {spindle + Vec2{-4, -16}, spindle + Vec2{4, -16}, spindle + Vec2{4, 16},
                 spindle + Vec2{-4, 16}});
    litFill(cr, hullLight, panel);
    polygon(cr, {spindle + Vec2{-14, -3}, spindle + Vec2{14, -3}, spindle + Vec2{14, 3},
                 spindle + Vec2{-14, 3}});
    litFill(cr, hullLight, panel);
    glow(cr, spindle, 5, canopy);

    const Vec2 widow = sectors[3].highlightAt + sectors[3].target;
    paintPlanet(cr, widow, 26, mix(blastRed, blastOrange, 0.4), mix(raiderDark, navNavy, 0.4));
    paintPlanet(cr, widow + Vec2{36, -24}, 6, hullLight, panel);
}

void paintButton(cairo_t* cr, const Sector& s) {
    using namespace palette;
    const Area& a = s.button;
    cairo_new_path(cr);
    const double cut = 10;
    polygon(cr, {{a.left + cut, a.top + 2},
                 {a.right - 2, a.top + 2},
                 {a.right - 2, a.bottom - cut},
                 {a.right - cut, a.bottom - 2},
                 {a.left + 2, a.bottom - 2},
                 {a.left + 2, a.top + cut}});
    litFill(cr, mix(navNavy, navCyan, 0.25), navNavy, true);
    outline(cr, navCyan, 1.5);
    strokeText(cr, s.name, {a.left + 14, a.top + 10}, 12, navLabel);
    strokeText(cr, s.place, {a.left + 14, a.top + 30}, 8, mix(navCyan, navLabel, 0.4));
}

void paintLeader(cairo_t* cr, const Sector& s) {
    const Vec2 target = s.highlightAt + s.target;
    const Vec2 end = s.highlightAt + s.leaderEnd;
    const Vec2 d = end - target;
    const Vec2 start = target + d * (reticle / length(d));
    cairo_move_to(cr, start.x, start.y);
    cairo_line_to(cr, end.x, end.y);
    const double dash[] = {4, 4};
    cairo_set_dash(cr, dash, 2, 0);
    outline(cr, mix(palette::navNavy, palette::navCyan, 0.6), 1.2);
    cairo_set_dash(cr, nullptr, 0, 0);
}

}  // namespace

platform::Bitmap drawNavScreen() {
    using namespace palette;
    Canvas canvas(screenWidth, screenHeight);
    cairo_t* cr = canvas.cr();
    for (int x = 40; x < screenWidth; x += 40) {
        cairo_rectangle(cr, x, 16, 1, screenHeight - 32);
    }
    for (int y = 40; y < screenHeight; y += 40) {
        cairo_rectangle(cr, 16, y, screenWidth - 32, 1);
    }
    setColor(cr, navNavy);
    cairo_fill(cr);
    for (int x = 200; x < screenWidth; x += 200) cairo_rectangle(cr, x, 16, 1, screenHeight - 32);
    for (int y = 200; y < screenHeight; y += 200) cairo_rectangle(cr, 16, y, screenWidth - 32, 1);
    setColor(cr, gridMajor);
    cairo_fill(cr);

    Random stars(0x57A125);
    for (int i = 0; i < 220; ++i) {
        const double x = stars.range(20, screenWidth - 20);
        const double y = stars.range(20, screenHeight - 20);
        const double b = stars.range(0.35, 1.0);
        cairo_rectangle(cr, static_cast<int>(x), static_cast<int>(y), 1, 1);
        setColor(cr, mix(navNavy, navLabel, b));
        cairo_fill(cr);
    }

    // The frame, the title and the routes between the sectors.
    polygon(cr, {{12, 40}, {40, 12}, {788, 12}, {788, 560}, {760, 588}, {12, 588}});
    outline(cr, navCyan, 2);
    strokeText(cr, "TACTICAL NAVIGATION", {40, 24}, 14, navLabel);
    strokeText(cr, "SELECT A SECTOR TO LAUNCH", {40, 566}, 10, mix(navCyan, navLabel, 0.4));
    strokeText(cr, "GRID 1:40 LY", {680, 566}, 8, mix(navCyan, navNavy, 0.3));
    cairo_move_to(cr, 200, 150);
    cairo_line_to(cr, 610, 100);
    cairo_line_to(cr, 610, 378);
    cairo_line_to(cr, 220, 426);
    outline(cr, mix(navNavy, navCyan, 0.45), 1.2);

    paintMarks(cr);
    for (const Sector& s : sectors) {
        paintLeader(cr, s);
        paintButton(cr, s);
    }
    return canvas.bitmap();
}

// Each cell locks a ring of light onto its sector's mark.
platform::Bitmap drawSelections() {
    using namespace palette;
    Canvas canvas(selectionsGrid.columns * selectionsGrid.cellWidth,
                  selectionsGrid.rows * selectionsGrid.cellHeight);
    cairo_t* cr = canvas.cr();
    const Rgb bright = mix(navCyan, white, 0.45);
    for (int i = 0; i < 4; ++i) {
        const Sector& s = sectors[i];
        enterFrame(cr, selectionsGrid, i, false);
        const Vec2 c = s.target;
        for (const double width : {9.0, 5.0}) {
            cairo_new_path(cr);
            cairo_arc(cr, c.x, c.y, reticle, 0, 2 * std::numbers::pi);
            setColor(cr, navCyan, width > 6 ? 0.25 : 0.5);
            cairo_set_line_width(cr, width);
            cairo_stroke(cr);
        }
        cairo_new_path(cr);
        cairo_arc(cr, c.x, c.y, reticle, 0, 2 * std::numbers::pi);
        outline(cr, bright, 2);
        for (int k = 0; k < 4; ++k) {
            const Vec2 d = direction(k * std::numbers::pi / 2);
            const Vec2 from = c + d * (reticle - 10);
            const Vec2 to = c + d * (reticle + 8);
            cairo_move_to(cr, from.x, from.y);
            cairo_line_to(cr, to.x, to.y);
        }
        outline(cr, bright, 2.5);
        const Vec2 d = s.leaderEnd - c;
        const Vec2 start = c + d * (reticle / length(d));
        cairo_move_to(cr, start.x, start.y);
        cairo_line_to(cr, s.leaderEnd.x, s.leaderEnd.y);
        outline(cr, bright, 2);
        glow(cr, s.leaderEnd, 6, navCyan, 0.8);
        cairo_restore(cr);
    }
    return canvas.bitmap();
}

platform::Bitmap drawCursor() {
    Canvas canvas(cursorWidth, cursorHeight);
    cairo_t* cr = canvas.cr();
    polygon(cr,
            {{1.5, 1.5}, {1.5, 20}, {6, 15.8}, {9.5, 23.5}, {12.8, 22}, {9.3, 14.6}, {15, 14.6}});
    litFill(cr, mix(palette::navCyan, palette::white, 0.6), palette::navCyan, true);
    outline(cr, palette::darkest, 1.5);
    return canvas.bitmap();
}

}  // namespace assets
