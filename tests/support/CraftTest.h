#pragma once

#include <initializer_list>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "player/HX4corv.h"
#include "player/Pilot.h"
#include "support/EngineTest.h"
#include "support/GeometryPrinting.h"
#include "world/Camera.h"

// The craft's latches, animation counters and blink flag last as long as the program. A test
// that needs them as a new program has them runs only when it is the one test of its process,
// the way ctest runs every test; otherwise it says so and skips.
#define REQUIRE_FRESH_PROCESS()                                                        \
    if (::testing::UnitTest::GetInstance()->test_to_run_count() != 1)                  \
    GTEST_SKIP() << "needs the craft's counters as a new program starts them; run it " \
                    "as the only test of its process (ctest does)"

// The player's craft as the battle sets it up, in a working directory holding the game's own
// bitmaps and controls file, flown frame by frame through the real engine and scripted keys.
class CraftTest : public EngineTest {
public:
    // The name shownFrame gives this frame: frames that look exactly alike (a transformation's
    // first and last frames are the steady poses) answer the first of their names, the steady
    // sheets before the transformation's.
    static std::string shownAs(const std::string& label);

protected:
    void SetUp() override;
    void TearDown() override;

    void copyCraftSheets() const;
    void writeControls(const std::string& text) const;

    // Starts the engine unless the test already has, then sets up as the battle does: camera at
    // (-400, -300), a pilot reading controls.cfg, the HX4 at (-200, 0).
    void launch();
    // One frame with exactly these keys down: the craft's update, the camera following its
    // velocity, the craft's draw.
    void frame(std::initializer_list<int> keys = {});
    void frames(int count, std::initializer_list<int> keys = {});
    // Lets go of every key for a frame, which clears the mode latches, holds `key` until the
    // transformation it starts has ended, then lets go again.
    void transform(int key);

    platform::Point location() const { return craft->getLocation(); }
    int speed() const { return craft->getVelocity().x; }
    // The craft's place on the screen.
    platform::Point onScreen() const;

    // Which body frame the last flipped picture shows where the craft is: "F" fighter-and-extras
    // sheet, "S" standmech, "H" hovermech, "T" transformation, then the frame number; "none"
    // when nothing is drawn there and "?" when it is no single frame of ours (see shownAs).
    std::string shownFrame() const;
    // True when the last picture shows exactly these frames where the craft is, drawn in this
    // order over black (flames and flashes first, the body last), and nothing else.
    bool shows(const std::vector<std::string>& layers) const;
    // Lines up the blink of flames and flashes so that the next frame drawn shows none.
    void syncBlink();

    std::unique_ptr<Camera> camera;
    std::unique_ptr<Pilot> pilot;
    std::unique_ptr<Corvane> craft;  // deleted as the battle deletes it

private:
    std::set<int> held;
};
