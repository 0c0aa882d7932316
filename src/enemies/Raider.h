#pragma once

#include "enemies/PodKind.h"
#include "platform/Rect.h"

// An enemy craft that flies a fixed dash cycle and never fires. Its engine ramps up through
// three frames to full thrust when it speeds past three steps of acceleration, and back down
// when it slows.
class Raider : public PodKind<Raider> {
public:
    Raider(GameEngine* engine, Camera* camera, int x, int y);

    static inline Image* podImage = nullptr;
    static inline int podCount = 0;

private:
    friend class PodKind<Raider>;
    static Image*& sheet() { return podImage; }
    static int& holders() { return podCount; }

    void artificialIntelligence();
    int determineSprite();
    int determineThrust() const;

    platform::Rect sprites[15];
};
