#include "assets/CraftModel.h"

#include <algorithm>
#include <cmath>

#include "player/CorvaneFrames.h"

namespace assets {

namespace {

constexpr double pi = std::numbers::pi;
constexpr Vec2 leanPivot{42, 42};

double gunAngle(ShotRow row) {
    switch (row) {
        case ShotRow::up:
            return degrees(-55);
        case ShotRow::down:
            return degrees(45);
        case ShotRow::straight:
            break;
    }
    return 0;
}

// A point given along and across the fuselage (across: negative towards the back).
Vec2 onTorso(const CraftPose& pose, Vec2 local) {
    return pose.hip + rotated(local, pose.torso);
}

// The game keeps its gun points by shooting row (up, straight, down), standmech before
// hovermech, the fighter's last.
int gunIndex(ShotRow row) {
    switch (row) {
        case ShotRow::up:
            return 0;
        case ShotRow::down:
            return 4;
        case ShotRow::straight:
            break;
    }
    return 2;
}

Vec2 gunPoint(int index) {
    return {static_cast<double>(hx4GunPoints[index].x), static_cast<double>(hx4GunPoints[index].y)};
}

double smoothStep(double from, double to, double t) {
    const double x = std::clamp((t - from) / (to - from), 0.0, 1.0);
    return x * x * (3 - 2 * x);
}

}  // namespace

Vec2 fighterGunPoint() {
    return gunPoint(6);
}

Vec2 hovermechGunPoint(ShotRow row) {
    return gunPoint(gunIndex(row) + 1);
}

Vec2 standmechGunPoint(ShotRow row) {
    return gunPoint(gunIndex(row));
}

CraftPose fighterPose() {
    CraftPose p;
    p.hip = {42, 25};
    p.wingSpan = 1.5;
    p.farWing = -0.55;
    p.wingRoot = -2;
    p.shoulder = 16;
    p.thigh = pi;
    p.shin = pi;
    p.toe = pi;
    p.muzzle = fighterGunPoint();
    return p;
}

CraftPose hovermechPose(ShotRow row) {
    CraftPose p;
    p.hip = {40, 26};
    p.wingSpan = 1.5;
    p.farWing = -0.55;
    p.wingRoot = -1;
    p.shoulder = 14;
    p.thigh = degrees(120);
    p.shin = degrees(90);
    p.toe = degrees(288);
    p.muzzle = hovermechGunPoint(row);
    p.gun = gunAngle(row);
    return p;
}

CraftPose standmechPose(ShotRow row) {
    CraftPose p;
    p.hip = {38, 41};
    p.torso = -pi / 2;
    p.noseFold = -pi;
    p.head = 1;
    p.wing = degrees(187);
    p.wingSpan = 0.72;
    p.farWing = 0.7;
    p.wingRoot = 14;
    p.shoulder = 18;
    p.thigh = degrees(82);
    p.shin = degrees(97);
    p.toe = degrees(270);
    p.muzzle = standmechGunPoint(row);
    p.gun = gunAngle(row);
    return p;
}

CraftPose blend(const CraftPose& a, const CraftPose& b, double t) {
    CraftPose p;
    // The hips settle early, so that the nose has room to swing over the top.
    p.hip = lerp(a.hip, b.hip, 1 - std::pow(1 - t, 4));
    p.torso = lerp(a.torso, b.torso, t);
    p.noseFold = lerp(a.noseFold, b.noseFold, t);
    // The head waits until the nose is out of its way.
    p.head = lerp(a.head, b.head, smoothStep(0.35, 1.0, t));
    p.wing = lerp(a.wing, b.wing, t);
    p.wingSpan = lerp(a.wingSpan, b.wingSpan, t);
    p.farWing = lerp(a.farWing, b.farWing, t);
    p.wingRoot = lerp(a.wingRoot, b.wingRoot, t);
    p.shoulder = lerp(a.shoulder, b.shoulder, t);
    p.thigh = lerp(a.thigh, b.thigh, t);
    p.shin = lerp(a.shin, b.shin, t);
    p.toe = lerp(a.toe, b.toe, t);
    p.muzzle = lerp(a.muzzle, b.muzzle, t);
    p.gun = lerp(a.gun, b.gun, t);
    return p;
}

CraftPose leaned(const CraftPose& pose, double angle) {
    CraftPose p = pose;
    p.hip = leanPivot + rotated(pose.hip - leanPivot, angle);
    p.torso += angle;
    p.thigh += angle;
    p.shin += angle;
    return p;
}

CraftJoints joints(const CraftPose& pose) {
    CraftJoints j;
    j.noseHinge = onTorso(pose, {craft::torsoLength, -craft::torsoHalf});
    j.headBase = onTorso(pose, {craft::torsoLength - 7 + 9 * pose.head, 0});
    j.wingRoot = onTorso(pose, {pose.wingRoot, 3});
    j.shoulder = onTorso(pose, {pose.shoulder, 5});
    j.hand = pose.muzzle - direction(pose.gun) * craft::gunGrip;

    // Two-bone reach from the shoulder to the hand, the elbow bending clockwise.
    const Vec2 reach = j.hand - j.shoulder;
    const double a = craft::upperArm;
    const double b = craft::forearm;
    const double d = std::clamp(length(reach), std::abs(a - b) + 0.01, a + b - 0.01);
    const double bend = std::acos(std::clamp((a * a + d * d - b * b) / (2 * a * d), -1.0, 1.0));
    const double toward = std::atan2(reach.y, reach.x);
    j.elbow = j.shoulder + direction(toward + bend) * a;

    j.knee = pose.hip + direction(pose.thigh) * craft::thighLength;
    j.ankle = j.knee + direction(pose.shin) * craft::shinLength;
    j.sole = j.ankle + direction(pose.shin) * craft::nozzleLength;
    return j;
}

}  // namespace assets
