#include "assets/CraftPainter.h"

#include <algorithm>
#include <cmath>

#include "assets/Draw.h"
#include "assets/Palette.h"

namespace assets {

namespace {

struct Shade {
    Rgb light;
    Rgb dark;
    Rgb line;
};

const Shade nearSide{palette::hullLight, palette::hullMid, palette::panel};
const Shade farSide{mix(palette::hullMid, palette::panel, 0.45),
                    mix(palette::panel, palette::darkest, 0.3),
                    mix(palette::panel, palette::darkest, 0.55)};
// The far wing and leg show a little above and behind the near ones.
constexpr Vec2 farOffset{2.5, -2.5};
constexpr double lineWidth = 0.8;

// Runs `paint` with the origin at `at` and the x axis along `angle`.
template <typename Paint>
void inFrame(cairo_t* cr, Vec2 at, double angle, Paint paint) {
    cairo_save(cr);
    cairo_translate(cr, at.x, at.y);
    cairo_rotate(cr, angle);
    paint();
    cairo_restore(cr);
}

void shadeAndLine(cairo_t* cr, const Shade& s) {
    litFill(cr, s.light, s.dark, true);
    outline(cr, s.line, lineWidth);
}

void band(cairo_t* cr, std::initializer_list<Vec2> points, Rgb c) {
    polygon(cr, points);
    setColor(cr, c);
    cairo_fill(cr);
}

// A rounded bar from a to b, `half` pixels either side of the line.
void bar(cairo_t* cr, Vec2 a, Vec2 b, double half, const Shade& s) {
    const Vec2 d = b - a;
    const double len = length(d);
    inFrame(cr, a, std::atan2(d.y, d.x), [&] {
        cairo_new_path(cr);
        cairo_arc(cr, 0, 0, half, std::numbers::pi / 2, 3 * std::numbers::pi / 2);
        cairo_arc(cr, len, 0, half, -std::numbers::pi / 2, std::numbers::pi / 2);
        cairo_close_path(cr);
        shadeAndLine(cr, s);
    });
}

void joint(cairo_t* cr, Vec2 at, double radius, const Shade& s) {
    cairo_new_path(cr);
    cairo_arc(cr, at.x, at.y, radius, 0, 2 * std::numbers::pi);
    shadeAndLine(cr, s);
}

// A delta wing; `span` scales it across its root, a negative span folding it up over the
// fuselage as the far wing is seen from above.
void paintWing(cairo_t* cr, const CraftPose& pose, Vec2 offset, double span, const Shade& s) {
    const CraftJoints j = joints(pose);
    const auto at = [span](double x, double y) { return Vec2{x, y * span}; };
    inFrame(cr, j.wingRoot + offset, pose.torso + pose.wing, [&] {
        polygon(cr, {at(10, 0), at(-16, 21), at(-20.5, 20.5), at(-16, 0)});
        shadeAndLine(cr, s);
        band(cr, {at(-11.5, 15.2), at(-16, 21), at(-20.5, 20.5), at(-19.2, 14.8)}, palette::accent);
        cairo_move_to(cr, at(-5, 1).x, at(-5, 1).y);
        cairo_line_to(cr, at(-17.5, 17).x, at(-17.5, 17).y);
        outline(cr, s.line, 0.6);
    });
}

void paintLeg(cairo_t* cr, const CraftPose& pose, Vec2 offset, const Shade& s) {
    const CraftJoints j = joints(pose);
    const Vec2 hip = pose.hip + offset;
    inFrame(cr, hip, pose.thigh, [&] {
        // The tail fin rides on the nacelle's back.
        polygon(cr, {{0, 4}, {6, 15.5}, {9.5, 16}, {11, 4}});
        shadeAndLine(cr, s);
        band(cr, {{5.6, 12.4}, {9.8, 12.4}, {9.6, 14.3}, {6.6, 14.3}}, palette::accent);
        polygon(cr, {{-4, -4}, {-2, -4.8}, {12, -4.8}, {12, 4.8}, {-2, 4.8}, {-4, 4}});
        shadeAndLine(cr, s);
        band(cr, {{1, -1}, {11, -1}, {11, 1}, {1, 1}}, palette::accent);
    });
    inFrame(cr, j.knee + offset, pose.shin, [&] {
        polygon(cr, {{-1, -4.8}, {craft::shinLength, -4.6}, {craft::shinLength, 4.6}, {-1, 4.8}});
        shadeAndLine(cr, s);
        cairo_move_to(cr, 4.5, -4.9);
        cairo_line_to(cr, 4.5, 4.9);
        outline(cr, s.line, 0.6);
    });
    joint(cr, j.knee + offset, 4.6, s);
    inFrame(cr, j.ankle + offset, pose.shin, [&] {
        const double n = craft::nozzleLength;
        polygon(cr, {{0, -4.4}, {n, -5.4}, {n, 5.4}, {0, 4.4}});
        litFill(cr, s.dark, s.line, true);
        outline(cr, s.line, lineWidth);
        ellipse(cr, {n, 0}, 1.3, 5.0);
        setColor(cr, s.line);
        cairo_fill(cr);
        ellipse(cr, {n + 0.2, 0}, 0.8, 3.4);
        setColor(cr, mix(palette::fireOrange, s.line, 0.35));
        cairo_fill(cr);
        // The toe plate: flush under the nozzle in flight, a foot when standing.
        inFrame(cr, {n, -5.6}, pose.toe, [&] {
            polygon(cr, {{-3, -1.5}, {8.5, -0.5}, {9, 2.6}, {-3, 3}});
            shadeAndLine(cr, s);
        });
    });
}

void paintArm(cairo_t* cr, const CraftJoints& j) {
    // Chunky, so that no chink of space opens between arm and body.
    bar(cr, j.shoulder, j.elbow, 3.8, nearSide);
    bar(cr, j.elbow, j.hand, 3.5, nearSide);
    joint(cr, j.elbow, 3.8, nearSide);
    joint(cr, j.shoulder, 4.8, {palette::accentLight, palette::accent, palette::panel});
}

void paintHead(cairo_t* cr, const CraftPose& pose, const CraftJoints& j) {
    inFrame(cr, j.headBase, pose.torso, [&] {
        cairo_move_to(cr, 5, -4);
        cairo_line_to(cr, 11, -6);
        outline(cr, palette::accentLight, 1.0);
        polygon(cr, {{0, -4}, {8, -4}, {10, -2}, {10, 3}, {8, 4.8}, {0, 4.8}});
        shadeAndLine(cr, nearSide);
        band(cr, {{3.5, 1.4}, {9.2, 1.4}, {8.8, 4}, {3.5, 4}}, palette::canopy);
    });
}

void paintTorso(cairo_t* cr, const CraftPose& pose) {
    inFrame(cr, pose.hip, pose.torso, [&] {
        const double l = craft::torsoLength;
        const double h = craft::torsoHalf;
        polygon(cr,
                {{-3, -4.2}, {2, -h + 0.8}, {12, -h - 0.6}, {l, -h}, {l, h}, {1, h}, {-3, 4.2}});
        shadeAndLine(cr, nearSide);
        band(cr, {{2, -1.3}, {l - 1, -1.3}, {l - 1, 0.5}, {2, 0.5}}, palette::accent);
        band(cr, {{2, -1.3}, {l - 1, -1.3}, {l - 1, -0.6}, {2, -0.6}}, palette::accentLight);
        // The air intake under the wing root.
        polygon(cr, {{9, 2.2}, {18, 2.2}, {19, h}, {8, h}});
        setColor(cr, palette::panel);
        cairo_fill(cr);
        polygon(cr, {{10, 3.3}, {17.2, 3.3}, {17.8, h}, {9.6, h}});
        setColor(cr, palette::darkest);
        cairo_fill(cr);
        for (double x : {7.0, 15.0}) {
            cairo_move_to(cr, x, -h);
            cairo_line_to(cr, x, -1.5);
        }
        outline(cr, palette::panel, 0.6);
    });
}

void paintNose(cairo_t* cr, const CraftPose& pose, const CraftJoints& j) {
    inFrame(cr, j.noseHinge, pose.torso + pose.noseFold, [&] {
        const double l = craft::noseLength;
        const double d = craft::noseDepth;
        cairo_new_path(cr);
        cairo_move_to(cr, 0.5, 0.6);
        cairo_curve_to(cr, 3, -4.6, 10, -4.2, 14.2, 2.2);
        cairo_close_path(cr);
        litFill(cr, mix(palette::white, palette::canopy, 0.45), palette::canopy, true);
        outline(cr, palette::panel, 0.7);
        cairo_new_path(cr);
        cairo_move_to(cr, 0, 0);
        cairo_curve_to(cr, 8, 0, 14, 2.5, l, 7.2);
        cairo_curve_to(cr, 15, 9.6, 8, d, 0, d);
        cairo_close_path(cr);
        shadeAndLine(cr, nearSide);
        band(cr, {{0, 6.2}, {13.5, 7.6}, {12.8, 9}, {0, 8}}, palette::accent);
        cairo_move_to(cr, 6.5, 1);
        cairo_line_to(cr, 6.5, 5.8);
        outline(cr, palette::panel, 0.6);
    });
}

void paintGun(cairo_t* cr, const CraftPose& pose, const CraftJoints& j) {
    inFrame(cr, j.hand, pose.gun, [&] {
        const double m = craft::gunGrip;
        polygon(cr, {{-1, 2.6}, {4, 2.6}, {3.5, 4.6}, {-0.5, 4.6}});
        shadeAndLine(cr, {palette::hullMid, palette::panel, palette::panel});
        polygon(cr, {{-5, -2.8}, {9, -2.8}, {10, -1.6}, {10, 1.6}, {9, 2.8}, {-5, 2.8}});
        shadeAndLine(
            cr, {palette::hullMid, palette::panel, mix(palette::panel, palette::darkest, 0.4)});
        band(cr, {{-4, -0.6}, {8, -0.6}, {8, 0.6}, {-4, 0.6}}, palette::accentLight);
        polygon(cr, {{9.5, -1.1}, {m, -1.1}, {m, 1.1}, {9.5, 1.1}});
        shadeAndLine(cr, nearSide);
        polygon(cr, {{m - 1.6, -1.8}, {m, -1.8}, {m, 1.8}, {m - 1.6, 1.8}});
        shadeAndLine(cr, {palette::hullMid, palette::panel, palette::panel});
    });
}

// A cone of fire from `origin` along `angle`, `width` across at the nozzle.
void paintFlame(cairo_t* cr, Vec2 origin, double angle, double length, double width) {
    ovalGlow(cr, origin + direction(angle) * (length * 0.4), length * 0.6, width * 0.9, angle,
             palette::fireEdge, 0.8);
    inFrame(cr, origin, angle, [&] {
        const struct {
            double scale;
            Rgb colour;
        } layers[] = {
            {1.0, palette::fireEdge}, {0.78, palette::fireOrange}, {0.5, palette::fireCore}};
        for (const auto& layer : layers) {
            const double l = length * layer.scale;
            const double w = width * 0.5 * (0.35 + 0.65 * layer.scale);
            cairo_new_path(cr);
            cairo_move_to(cr, -1, -w);
            cairo_curve_to(cr, l * 0.3, -w * 1.05, l * 0.65, -w * 0.55, l, 0);
            cairo_curve_to(cr, l * 0.65, w * 0.55, l * 0.3, w * 1.05, -1, w);
            cairo_close_path(cr);
            setColor(cr, layer.colour);
            cairo_fill(cr);
        }
    });
}

// How far one may go from `from` along `d` and stay inside the frame's margin.
double roomAlong(Vec2 from, Vec2 d) {
    constexpr double low = craft::frameMargin;
    constexpr double high = craft::frameSize - craft::frameMargin;
    double room = 1e9;
    if (d.x > 1e-9) room = std::min(room, (high - from.x) / d.x);
    if (d.x < -1e-9) room = std::min(room, (low - from.x) / d.x);
    if (d.y > 1e-9) room = std::min(room, (high - from.y) / d.y);
    if (d.y < -1e-9) room = std::min(room, (low - from.y) / d.y);
    return room;
}

}  // namespace

void paintCraft(cairo_t* cr, const CraftPose& pose) {
    const CraftJoints j = joints(pose);
    paintWing(cr, pose, farOffset, pose.farWing, farSide);
    paintLeg(cr, pose, farOffset, farSide);
    paintWing(cr, pose, {0, 0}, pose.wingSpan, nearSide);
    paintArm(cr, j);
    paintHead(cr, pose, j);
    paintTorso(cr, pose);
    paintNose(cr, pose, j);
    paintLeg(cr, pose, {0, 0}, nearSide);
    paintGun(cr, pose, j);
}

void paintThrust(cairo_t* cr, const CraftPose& pose, double vector, double length) {
    const CraftJoints j = joints(pose);
    const double angle = pose.shin + vector;
    const Vec2 start = j.sole - direction(pose.shin) * 1.5;
    for (const Vec2 offset : {farOffset, Vec2{0, 0}}) {
        const Vec2 from = start + offset;
        const double room = roomAlong(from, direction(angle)) - 1;
        paintFlame(cr, from, angle, std::min(length, room), 8.5);
    }
}

void paintMuzzleFlash(cairo_t* cr, Vec2 muzzle, double angle) {
    // Spikes every 45 degrees, the longest along the barrel; never past the frame. Three stars
    // one inside the other, from the red-orange edge to the white-hot middle.
    constexpr int spikes = 8;
    constexpr double reach[spikes] = {15, 7, 9, 5, 5, 5, 9, 7};
    const struct {
        double scale;
        double waist;
        Rgb colour;
    } layers[] = {{1.0, 3.4, palette::fireEdge},
                  {0.75, 2.8, palette::fireOrange},
                  {0.5, 2.4, palette::fireCore}};
    for (const auto& layer : layers) {
        cairo_new_path(cr);
        for (int i = 0; i < spikes * 2; ++i) {
            const double a = angle + i * std::numbers::pi / spikes;
            const double wanted = i % 2 == 0 ? reach[i / 2] * layer.scale : layer.waist;
            const Vec2 p =
                muzzle + direction(a) * std::min(wanted, roomAlong(muzzle, direction(a)));
            cairo_line_to(cr, p.x, p.y);
        }
        cairo_close_path(cr);
        setColor(cr, layer.colour);
        cairo_fill(cr);
    }
    const double room =
        std::min(roomAlong(muzzle, {1, 0}),
                 std::min(roomAlong(muzzle, {-1, 0}),
                          std::min(roomAlong(muzzle, {0, 1}), roomAlong(muzzle, {0, -1}))));
    cairo_new_path(cr);
    cairo_arc(cr, muzzle.x, muzzle.y, std::min(2.6, room), 0, 2 * std::numbers::pi);
    setColor(cr, palette::white);
    cairo_fill(cr);
}

}  // namespace assets
