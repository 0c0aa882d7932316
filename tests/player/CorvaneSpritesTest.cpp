#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "platform/input/KeyCodes.h"
#include "support/CraftTest.h"

namespace {

using namespace platform;
using Labels = std::vector<std::string>;

class CorvaneSprites : public CraftTest {
protected:
    void SetUp() override {
        CraftTest::SetUp();
        launch();
        frame();
    }

    // Frames shown from the press of `key` until the craft is steady again, that frame included.
    Labels record(int key) {
        Labels shown;
        do {
            frame({key});
            shown.push_back(shownFrame());
        } while (craft->getMode() > 2 && shown.size() < 40);
        frame();
        return shown;
    }

    void face(int facing) {
        if (craft->getFacing() != facing) frame({DIK_Z});
        frame();
    }
};

TEST_F(CorvaneSprites, EachModeShowsItsSheetsCellScaledIntoTheFrame) {
    // The battle's craft at (-200, 0) is drawn at (200, 300) on the screen, since the camera
    // follows it exactly.
    EXPECT_EQ(onScreen(), (Point{200, 300}));
    EXPECT_EQ(shownFrame(), "F0");
    face(0);
    EXPECT_EQ(shownFrame(), "F1");
    face(1);
    frames(5, {DIK_W});
    EXPECT_EQ(shownFrame(), "T2");
    while (craft->getMode() != 1) frame();
    EXPECT_EQ(shownFrame(), "H1");
    transform(DIK_W);
    EXPECT_EQ(shownFrame(), "S1");
    EXPECT_EQ(onScreen(), (Point{200, 300}));
}

// A transformation, from the steady mode it starts in, with the frames of its first run for a
// craft facing right and the steady frame after them.
struct Table {
    int state;
    int from;
    int key;
    std::vector<int> first;  // facing right, first run
    std::string after;
};

void PrintTo(const Table& t, std::ostream* out) {
    *out << "state " << t.state;
}

const Table tables[] = {
    {3, 2, DIK_W, {0, 0, 1, 1, 2, 2, 3, 3, 4, 4}, "H1"},
    {4, 1, DIK_W, {12, 12, 13, 13, 14, 14, 15, 15, 16, 16}, "S1"},
    {5, 0, DIK_S, {16, 16, 15, 15, 14, 14, 13, 13, 12, 12}, "H1"},
    {6, 1, DIK_S, {4, 4, 3, 3, 2, 2, 1, 1, 0, 0}, "F0"},
    {7, 2, DIK_S, {0, 0, 1, 1, 2, 2, 3, 3, 4, 4, 12, 12, 13, 13, 14, 14, 15, 15, 16, 16}, "S1"},
    {8, 0, DIK_W, {16, 16, 15, 15, 14, 14, 13, 13, 12, 12, 4, 4, 3, 3, 2, 2, 1, 1, 0, 0}, "F0"},
};

// The frames shown, facing left adding 6 to each (the fighter: 1 to its 0, the others 3 to their
// column); a later run shows its first frame once.
Labels expected(const Table& t, bool facingLeft, bool laterRun) {
    Labels v;
    for (std::size_t i = laterRun ? 1 : 0; i < t.first.size(); ++i) {
        v.push_back(CraftTest::shownAs("T" + std::to_string(t.first[i] + (facingLeft ? 6 : 0))));
    }
    const int steady = std::stoi(t.after.substr(1));
    const int shift = !facingLeft ? 0 : t.after[0] == 'F' ? 1 : 3;
    v.push_back(CraftTest::shownAs(t.after.substr(0, 1) + std::to_string(steady + shift)));
    return v;
}

class TransformationFrames : public CorvaneSprites,
                             public testing::WithParamInterface<std::tuple<Table, bool>> {
protected:
    const Table& table() const { return std::get<0>(GetParam()); }
    bool facingLeft() const { return std::get<1>(GetParam()); }

    // Into the steady mode a transformation starts from, through other counters than its own:
    // hovermech by way of the standmech for states 4 (fighter to standmech to hovermech), and
    // through state 3 for state 6; standmech through state 7 for 5 and 8.
    void reachStart() {
        switch (table().state) {
            case 4:
                transform(DIK_S);
                transform(DIK_S);
                break;
            case 6:
                transform(DIK_W);
                break;
            case 5:
            case 8:
                transform(DIK_S);
                break;
            default:
                break;
        }
        ASSERT_EQ(craft->getMode(), table().from);
    }

    // From the end of the transformation back to its start, by the shortest way.
    void returnToStart() {
        const int from = table().from;
        if (craft->getMode() == from) return;
        // Mode up goes fighter, hovermech, standmech, fighter.
        const int up[3] = {2, 0, 1};
        transform(up[craft->getMode()] == from ? DIK_W : DIK_S);
        ASSERT_EQ(craft->getMode(), from);
    }
};

TEST_P(TransformationFrames, FirstRunOfItsCounters) {
    REQUIRE_FRESH_PROCESS();
    reachStart();
    face(facingLeft() ? 0 : 1);
    EXPECT_EQ(record(table().key), expected(table(), facingLeft(), false));
}

TEST_P(TransformationFrames, LaterRuns) {
    reachStart();
    face(facingLeft() ? 0 : 1);
    record(table().key);
    returnToStart();
    EXPECT_EQ(record(table().key), expected(table(), facingLeft(), true));
    returnToStart();
    face(facingLeft() ? 1 : 0);
    EXPECT_EQ(record(table().key), expected(table(), !facingLeft(), true));
}

INSTANTIATE_TEST_SUITE_P(States, TransformationFrames,
                         testing::Combine(testing::ValuesIn(tables), testing::Bool()),
                         [](const auto& info) {
                             return "State" + std::to_string(std::get<0>(info.param).state) +
                                    (std::get<1>(info.param) ? "FacingLeft" : "FacingRight");
                         });

TEST_F(CorvaneSprites, ATurnMidwaySwitchesRowsWithoutRestarting) {
    // Runs state 3 once so that its counters are past their first run.
    transform(DIK_W);
    transform(DIK_S);
    Labels shown;
    for (int i = 0; i < 3; ++i) {
        frame({DIK_W});
        shown.push_back(shownFrame());
    }
    frame({DIK_Z});
    shown.push_back(shownFrame());
    while (craft->getMode() == 3) {
        frame();
        shown.push_back(shownFrame());
    }
    Labels expected;
    for (const char* label : {"T0", "T1", "T1", "T8", "T8", "T9", "T9", "T10", "T10", "H4"}) {
        expected.push_back(shownAs(label));
    }
    EXPECT_EQ(shown, expected);
}

TEST_F(CorvaneSprites, ADeadCraftIsNotDrawnAndItsTransformationWaits) {
    transform(DIK_W);
    transform(DIK_S);
    frame({DIK_W});
    frame();
    ASSERT_EQ(shownFrame(), "T1");
    craft->setAlive(false);
    frames(5);
    EXPECT_EQ(shownFrame(), "none");
    EXPECT_EQ(craft->getMode(), 3);
    craft->setAlive(true);
    frame();
    EXPECT_EQ(shownFrame(), "T1");
    frame();
    EXPECT_EQ(shownFrame(), "T2");
}

TEST_F(CorvaneSprites, AHiddenCraftStillRunsItsTransformation) {
    transform(DIK_W);
    transform(DIK_S);
    craft->setVisible(false);
    // A later run: nine frames, then the hovermech.
    frame({DIK_W});
    for (int i = 0; i < 9; ++i) {
        EXPECT_EQ(shownFrame(), "none");
        frame();
    }
    EXPECT_EQ(craft->getMode(), 1);
    craft->setVisible(true);
    frame();
    EXPECT_EQ(shownFrame(), "H1");
}

// Flames and flashes under the body, on every second frame drawn.
struct Effects {
    const char* name;
    int mode;
    int facing;
    std::vector<int> keys;
    std::string body;
    std::vector<std::string> under;  // flame, then flash, as they are drawn
};

void PrintTo(const Effects& e, std::ostream* out) {
    *out << e.name;
}

class CraftEffects : public CorvaneSprites, public testing::WithParamInterface<Effects> {};

TEST_P(CraftEffects, BlinkUnderTheBody) {
    const Effects& e = GetParam();
    if (e.mode == 1) transform(DIK_W);
    if (e.mode == 0) transform(DIK_S);
    ASSERT_EQ(craft->getMode(), e.mode);
    face(e.facing);
    syncBlink();
    const auto press = [&] {
        for (int key : {DIK_RIGHT, DIK_LEFT, DIK_UP, DIK_DOWN, DIK_SPACE, DIK_D, DIK_E, DIK_C}) {
            backend.inputHardware().setKey(key, false);
        }
        for (int key : e.keys) backend.inputHardware().setKey(key, true);
        engine->gameLoop();
    };
    press();
    EXPECT_EQ(shownFrame(), e.body);
    press();
    std::vector<std::string> layers = e.under;
    layers.push_back(e.body);
    EXPECT_TRUE(shows(layers));
    press();
    EXPECT_EQ(shownFrame(), e.body);
    for (int key : e.keys) backend.inputHardware().setKey(key, false);
    frame();
}

const Effects effects[] = {
    {"FighterThrust", 2, 1, {DIK_RIGHT, DIK_SPACE}, "F0", {"F2"}},
    {"FighterThrustLeft", 2, 0, {DIK_LEFT, DIK_SPACE}, "F1", {"F3"}},
    {"FighterSteersWithoutFlame", 2, 1, {DIK_RIGHT}, "F0", {}},
    {"FighterFlash", 2, 1, {DIK_E}, "F0", {"F4"}},
    {"FighterFlashLeftWithThrust", 2, 0, {DIK_LEFT, DIK_SPACE, DIK_D}, "F1", {"F3", "F5"}},
    {"StandmechJetsRight", 0, 1, {DIK_RIGHT}, "S0", {"F6"}},
    {"StandmechJetsUp", 0, 1, {DIK_UP}, "S1", {"F7"}},
    {"StandmechSinksWithoutFlame", 0, 1, {DIK_DOWN}, "S1", {}},
    {"StandmechJetsLeft", 0, 1, {DIK_LEFT, DIK_SPACE}, "S2", {"F8"}},
    {"StandmechLeftJetsRight", 0, 0, {DIK_RIGHT}, "S3", {"F9"}},
    {"StandmechLeftJetsUp", 0, 0, {DIK_UP}, "S4", {"F10"}},
    {"StandmechLeftJetsLeft", 0, 0, {DIK_LEFT}, "S5", {"F11"}},
    {"StandmechShootsUp", 0, 1, {DIK_E}, "S7", {"F13"}},
    {"StandmechShootsDownWhileJetting", 0, 1, {DIK_C, DIK_UP}, "S13", {"F7", "F14"}},
    {"StandmechLeftShootsDown", 0, 0, {DIK_C}, "S16", {"F15"}},
    {"StandmechLeftShootsUp", 0, 0, {DIK_E}, "S10", {"F16"}},
    {"StandmechLeftShootsStraight", 0, 0, {DIK_D, DIK_LEFT}, "S5", {"F11", "F17"}},
    {"HovermechThrust", 1, 1, {DIK_RIGHT, DIK_SPACE}, "H0", {"F18"}},
    {"HovermechBrakes", 1, 1, {DIK_LEFT}, "H2", {"F19"}},
    {"HovermechBrakesWithThrust", 1, 1, {DIK_LEFT, DIK_SPACE}, "H2", {"F19"}},
    {"HovermechLeftBrakes", 1, 0, {DIK_RIGHT}, "H3", {"F20"}},
    {"HovermechLeftThrust", 1, 0, {DIK_LEFT, DIK_SPACE}, "H5", {"F21"}},
    {"HovermechSteersRightWithoutThrust", 1, 1, {DIK_RIGHT}, "H0", {}},
    {"HovermechShootsStraight", 1, 1, {DIK_D}, "H1", {"F24"}},
    {"HovermechShootsDown", 1, 1, {DIK_C}, "H13", {"F26"}},
    {"HovermechLeftShootsUp", 1, 0, {DIK_E}, "H10", {"F28"}},
    {"HovermechLeftShootsStraight", 1, 0, {DIK_D}, "H4", {"F29"}},
};

INSTANTIATE_TEST_SUITE_P(Modes, CraftEffects, testing::ValuesIn(effects),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(CorvaneSprites, TheFirstFrameOfTheProgramShowsNoFlame) {
    REQUIRE_FRESH_PROCESS();
    // The set-up drew one frame already: the blink flag turned on there, without a flame.
    frame({DIK_RIGHT, DIK_SPACE});
    EXPECT_TRUE(shows({"F2", "F0"}));
    frame({DIK_RIGHT, DIK_SPACE});
    EXPECT_EQ(shownFrame(), "F0");
}

// A sheet that does not load stops the craft's construction there.
struct SheetFault {
    int sheet;  // 0 fighter, 1 standmech, 2 hovermech, 3 transformation
    bool colorKey;
};

void PrintTo(const SheetFault& f, std::ostream* out) {
    *out << "sheet " << f.sheet << (f.colorKey ? ", colour key" : ", file");
}

class CraftSheetFaults : public CraftTest, public testing::WithParamInterface<SheetFault> {};

TEST_P(CraftSheetFaults, LogTheSheetAndStop) {
    const char* files[] = {"hx4fighter_extras.bmp", "hx4standmech.bmp", "hx4hovermech.bmp",
                           "hx4trans.bmp"};
    const char* words[] = {"fighter", "standmech", "hovermech", "transformation"};
    const SheetFault f = GetParam();
    start();
    if (f.colorKey) {
        backend.fail("display.colorKey", 1, f.sheet);
    } else {
        std::filesystem::remove(path(files[f.sheet]));
    }
    launch();
    std::vector<std::string> lines = {
        f.colorKey ? "ERROR: Unable to set colour key" : "ERROR: unable to load bitmap",
        std::string("ERROR: - unable to ") + (f.colorKey ? "set " : "load ") + words[f.sheet] +
            (f.colorKey ? " colorkey" : " image")};
    EXPECT_EQ(linesSinceStart(), lines);

    // Without its constants the craft is a fighter that cannot move.
    frames(2, {DIK_RIGHT, DIK_SPACE});
    EXPECT_EQ(speed(), 0);
    frame();
    if (f.sheet < 3) {
        lines.insert(lines.end(), 3, "ERROR: do no have all of the mode images to draw");
        EXPECT_EQ(linesSinceStart(), lines);
        EXPECT_EQ(shownFrame(), "none");
        return;
    }
    // Without the transformation sheet it is drawn, but shows nothing while it transforms.
    EXPECT_EQ(shownFrame(), "F0");
    frame({DIK_W});
    while (craft->getMode() == 3) {
        EXPECT_EQ(shownFrame(), "none");
        frame();
    }
    EXPECT_EQ(shownFrame(), "H1");
    EXPECT_EQ(linesSinceStart(), lines);
}

std::string faultName(const testing::TestParamInfo<SheetFault>& info) {
    const char* words[] = {"Fighter", "Standmech", "Hovermech", "Transformation"};
    return std::string(words[info.param.sheet]) + (info.param.colorKey ? "ColorKey" : "File");
}

INSTANTIATE_TEST_SUITE_P(Sheets, CraftSheetFaults,
                         testing::Values(SheetFault{0, false}, SheetFault{1, false},
                                         SheetFault{2, false}, SheetFault{3, false},
                                         SheetFault{0, true}, SheetFault{1, true},
                                         SheetFault{2, true}, SheetFault{3, true}),
                         faultName);

}  // namespace
