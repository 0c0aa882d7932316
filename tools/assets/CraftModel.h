#pragma once

#include "assets/Geometry.h"

// The craft as one jointed model: every mode and every step of a transformation is a pose of the
// same parts, so a morph is just a blend of two poses. Screen pixels of the 85 x 85 frame the
// game draws, facing right.
namespace assets {

enum class ShotRow { straight = 0, up = 1, down = 2 };

struct CraftPose {
    Vec2 hip;             // where the engines (legs) meet the fuselage
    double torso = 0;     // fuselage: 0 nose right, -pi/2 standing upright
    double noseFold = 0;  // nose about its hinge on the back: 0 in line, -pi folded on the back
    double head = 0;      // 0 sunk in the fuselage, 1 raised
    double wing = 0;      // wing swing, relative to the fuselage
    double wingSpan = 1;  // the near wing's span as seen from our side
    double farWing = 1;   // the far wing's span as seen: negative shows it above the fuselage
    double wingRoot = 0;  // wing pivot along the fuselage
    double shoulder = 0;  // shoulder along the fuselage
    double thigh = 0;     // engine nacelle / thigh direction
    double shin = 0;      // lower nacelle / shin and nozzle direction
    double toe = 0;       // toe plate about the nozzle rim, relative to the shin
    Vec2 muzzle;          // the gun pod's muzzle: the gun point
    double gun = 0;       // gun pod direction
};

// Part sizes.
namespace craft {
constexpr double frameSize = 85;
constexpr double frameMargin = 2;  // nothing is drawn nearer the frame's edge
constexpr double torsoLength = 22;
constexpr double torsoHalf = 6;
constexpr double noseLength = 17;
constexpr double noseDepth = 12;
constexpr double thighLength = 11;
constexpr double shinLength = 11;
constexpr double nozzleLength = 5;
constexpr double upperArm = 12;
constexpr double forearm = 12;
constexpr double gunGrip = 14;  // from the hand to the muzzle
// The lean of the steering columns: forward, level, back.
constexpr double steerLean[3] = {degrees(7), 0, degrees(-7)};
}  // namespace craft

// The gun points the game fires from, facing right.
Vec2 fighterGunPoint();
Vec2 hovermechGunPoint(ShotRow row);
Vec2 standmechGunPoint(ShotRow row);

CraftPose fighterPose();
CraftPose hovermechPose(ShotRow row);
CraftPose standmechPose(ShotRow row);
// The pose a fraction `t` of the way from `a` to `b`.
CraftPose blend(const CraftPose& a, const CraftPose& b, double t);
// The craft tipped forward by `angle` (back when negative) about its middle; the gun pod stays
// on its gun point.
CraftPose leaned(const CraftPose& pose, double angle);

// The joints of a pose.
struct CraftJoints {
    Vec2 noseHinge;
    Vec2 headBase;
    Vec2 wingRoot;
    Vec2 shoulder;
    Vec2 elbow;
    Vec2 hand;
    Vec2 knee;
    Vec2 ankle;
    Vec2 sole;  // the middle of the nozzle's exit
};
CraftJoints joints(const CraftPose& pose);

}  // namespace assets
