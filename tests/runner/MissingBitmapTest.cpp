#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <vector>

#include "support/HeadlessTest.h"

namespace {

namespace fs = std::filesystem;

const std::string noBitmap = "ERROR: unable to load bitmap";
const std::string noModeImages = "ERROR: do no have all of the mode images to draw";

// The runner as a program of its own, in a working directory holding the game's files.
class MissingBitmapTest : public HeadlessTest {
protected:
    void SetUp() override {
        HeadlessTest::SetUp();
        copyGameFiles();
        // A battle, "1" to the navigation screen, "1" back to a second battle.
        std::ofstream(path("session.txt")) << "3 key 2 down\n4 key 2 up\n8 key 2 down\n"
                                              "9 key 2 up\n";
    }
};

TEST_F(MissingBitmapTest, EachMissingBitmapLogsExactlyItsOwnersLines) {
    // Passes 0 to 14: battle set-ups on passes 0 and 10, run frames 1 to 3 and 11 to 14, the
    // navigation screen set up on pass 5; without its pictures it retries on passes 5 to 14.
    const int battles = 2;
    const int runFrames = 7;
    const int navigationRetries = 10;
    // The file, its owner's line, how often it is logged, and the craft's drawing line.
    const auto load = [](const std::string& what) { return "ERROR: - unable to load " + what; };
    const struct {
        const char* file;
        std::string line;
        int times;
        int drawLines;
    } cases[] = {
        {"", "", 0, 0},
        {"alzbullet.bmp", load("alz bullet image"), 10 * battles, 0},
        {"voskbullet.bmp", load("vosk bullet image"), 20 * battles, 0},
        {"drone.bmp", load("pod image"), 30 * battles, 0},
        {"raider.bmp", load("pod image"), 4 * battles, 0},
        {"explosion1.bmp", load("explode1Frames image"), 10 * battles, 0},
        {"explosion2.bmp", load("explode1Frames image"), 10 * battles, 0},
        {"flagship1.bmp", load("Vosk Flagship image"), battles, 0},
        {"voskcommandship.bmp", load("Vosk Command image"), battles, 0},
        {"vosktroopcarrier.bmp", load("Vosk Troopcarrier image"), battles, 0},
        {"voskdestroyer.bmp", load("Vosk Command image"), 2 * battles, 0},
        {"hx4fighter_extras.bmp", load("fighter image"), battles, runFrames},
        {"hx4standmech.bmp", load("standmech image"), battles, runFrames},
        {"hx4hovermech.bmp", load("hovermech image"), battles, runFrames},
        {"hx4trans.bmp", load("transformation image"), battles, 0},
        {"navscreen.bmp", load("navShip image"), navigationRetries, 0},
        {"selections.bmp", load("selections image"), navigationRetries, 0},
        {"cursor.bmp", "Unable to load cursor image", 1, 0},
    };
    std::size_t bitmaps = 0;
    for (const auto& entry : fs::directory_iterator(CORVANES_GAME_DIR)) {
        if (entry.path().extension() == ".bmp") ++bitmaps;
    }
    EXPECT_EQ(bitmaps, std::size(cases) - 1) << "every bitmap of the game has its case";

    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        copyGameFiles();
        if (*c.file != '\0') fs::remove(path(c.file));
        ASSERT_EQ(runHeadless("--frames 15 --input session.txt"), 0);
        std::map<std::string, int> expected{{"ERROR: Unable to create joystick device", 1}};
        if (c.times > 0) {
            expected[noBitmap] = c.times;
            expected[c.line] = c.times;
        }
        if (c.drawLines > 0) expected[noModeImages] = c.drawLines;
        const std::vector<std::string> log = lines("log.txt");
        std::map<std::string, int> counts;
        for (const std::string& line : log) ++counts[line];
        EXPECT_EQ(counts, expected);
        // Each owner's line follows the loader's own.
        for (std::size_t i = 0; i < log.size(); ++i) {
            if (log[i].starts_with(load("")) || log[i] == "Unable to load cursor image") {
                EXPECT_TRUE(i > 0 && log[i - 1] == noBitmap) << log[i];
            }
        }
    }
}

TEST_F(MissingBitmapTest, EveryFaultOnEveryCallForAWholeBattleEndsCleanly) {
    // Without faults the first battle has ended by then.
    ASSERT_EQ(runHeadless("--frames 900 --trace t.jsonl"), 0);
    bool ended = false;
    for (const std::string& line : lines("t.jsonl")) {
        ended = ended || line.find("\"phase\":2,\"nextMode\":1") != std::string::npos;
    }
    EXPECT_TRUE(ended);

    ASSERT_EQ(runHeadless("--list-faults"), 0);
    const std::vector<std::string> faults = lines("out.txt");
    EXPECT_FALSE(faults.empty());
    for (const std::string& fault : faults) {
        EXPECT_EQ(runHeadless("--frames 900 --fail " + fault), 0) << fault;
    }
}

}  // namespace
