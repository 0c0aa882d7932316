#pragma once

#include <functional>
#include <string>
#include <vector>

#include "support/EngineTest.h"
#include "support/GeometryPrinting.h"
#include "world/Camera.h"

// Combat objects in a working directory holding the game's own sheets, seen through the
// battle's camera and drawn through the real engine.
class CombatFixture : public EngineTest {
protected:
    void SetUp() override;
    void frame(const std::function<void()>& work);
    // True when the last picture shows exactly these frames of the game's bitmap over the world
    // rectangle r on black, each stretched into r over the one before, black being the key.
    bool shows(platform::Rect r, const std::string& file,
               const std::vector<platform::Rect>& frames) const;

    Camera camera{-400, -300};
};
