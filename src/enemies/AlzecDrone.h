#pragma once

#include "enemies/PodKind.h"
#include "platform/Rect.h"

// An enemy craft that drifts at a constant speed, its flame always burning, and fires at random.
class AlzecDrone : public PodKind<AlzecDrone> {
public:
    AlzecDrone(GameEngine* engine, Camera* camera, int x, int y);

    static inline Image* droneImage = nullptr;
    static inline int droneCount = 0;

private:
    friend class PodKind<AlzecDrone>;
    static Image*& sheet() { return droneImage; }
    static int& holders() { return droneCount; }

    void artificialIntelligence();
    int determineSprite() const;
    int determineThrust() const;

    platform::Rect sprites[4];
};
