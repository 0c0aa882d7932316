#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "platform/Faults.h"
#include "support/HeadlessTest.h"
#include "support/Sheets.h"

namespace {

namespace fs = std::filesystem;

// The runner as a program of its own, in a working directory holding the game's files.
class HeadlessRunTest : public HeadlessTest {
protected:
    void SetUp() override {
        HeadlessTest::SetUp();
        copyGameFiles();
        fs::remove(path("log.txt"));
    }

    void writeText(const std::string& name, const std::string& text) const {
        std::ofstream(path(name), std::ios::binary) << text;
    }
};

TEST_F(HeadlessRunTest, TheFirstBattleStartsWhereItAlwaysHas) {
    ASSERT_EQ(runHeadless("--frames 2 --trace t.jsonl --dir ."), 0) << read("err.txt");
    const std::vector<std::string> trace = lines("t.jsonl");
    ASSERT_EQ(trace.size(), 2u);
    const std::string& setup = trace[0];
    EXPECT_EQ(setup.rfind("{\"frame\":0,\"tick\":0,\"mode\":1,\"phase\":1,\"nextMode\":0,", 0), 0u)
        << setup;
    EXPECT_NE(setup.find("\"camera\":{\"view\":[-400,-300,400,300],\"velocity\":[0,0]}"),
              std::string::npos);
    EXPECT_NE(setup.find("\"player\":{\"x\":-200,\"y\":0,\"rect\":[-200,0,-115,85],"
                         "\"velocity\":[5,0],\"mode\":2,\"facing\":1,\"health\":1,"
                         "\"alive\":true,\"visible\":true"),
              std::string::npos)
        << setup;
    EXPECT_NE(setup.find("\"ships\":[{\"x\":14000,\"y\":0,"), std::string::npos);
    EXPECT_NE(setup.find("{\"x\":14550,\"y\":-200,"), std::string::npos);
    EXPECT_NE(setup.find("{\"x\":14620,\"y\":300,"), std::string::npos);
    EXPECT_NE(setup.find("\"pods\":[{\"kind\":\"drone\",\"x\":400,"), std::string::npos);
    EXPECT_NE(setup.find("\"cursor\":null}"), std::string::npos);
    // The first run frame: the craft at its speed, the view with it, 16 ms later.
    EXPECT_EQ(trace[1].rfind("{\"frame\":1,\"tick\":16,\"mode\":1,\"phase\":1,", 0), 0u);
    EXPECT_NE(trace[1].find("\"camera\":{\"view\":[-395,-300,405,300],\"velocity\":[5,0]}"),
              std::string::npos);
    EXPECT_NE(trace[1].find("\"player\":{\"x\":-195,\"y\":0,"), std::string::npos);
    EXPECT_TRUE(fs::exists(path("log.txt")));
}

TEST_F(HeadlessRunTest, BadArgumentsAndScriptsAreRefusedBeforeAnythingIsWritten) {
    writeText("bad.txt", "0 key 57 down\n# then\n4 key 300 down\n");
    const struct {
        std::string arguments;
        std::string message;
    } cases[] = {
        {"--trace t.jsonl", "corvanes-headless: --frames N is needed\n"},
        {"--frames 5 --trace t.jsonl --bogus", "corvanes-headless: unknown option \"--bogus\"\n"},
        {"--frames -5 --trace t.jsonl",
         "corvanes-headless: --frames takes a number of passes, 0 or more, not \"-5\"\n"},
        {"--frames 5 --trace t.jsonl --input bad.txt",
         "corvanes-headless: bad.txt: line 3: a key code is 0 to 255\n"},
        {"--frames 5 --trace t.jsonl --input missing.txt",
         "corvanes-headless: cannot read the input script \"missing.txt\"\n"},
        {"--frames 5 --trace t.jsonl --dir nowhere",
         "corvanes-headless: --dir: \"nowhere\" is no directory\n"},
        {"--frames 5 --trace t.jsonl --shot 2:nowhere/s.bmp",
         "corvanes-headless: --shot: cannot write \"nowhere/s.bmp\"\n"},
        {"--frames 5 --trace nowhere/t.jsonl",
         "corvanes-headless: --trace: cannot write \"nowhere/t.jsonl\"\n"},
        {"--frames 5 --trace t.jsonl --input .",
         "corvanes-headless: cannot read the input script \".\": it is a folder\n"},
        {"--frames 5 --trace t.jsonl --shot 2:.",
         "corvanes-headless: --shot: cannot write \".\": it is a folder\n"},
        {"--frames 10 --trace t.jsonl --shot 50:x.bmp",
         "corvanes-headless: --shot: pass 50 is never run: --frames 10 runs passes 0 to 9\n"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(runHeadless(c.arguments), 2) << c.arguments;
        EXPECT_EQ(read("err.txt"), c.message);
        EXPECT_FALSE(fs::exists(path("t.jsonl"))) << c.arguments;
        EXPECT_FALSE(fs::exists(path("log.txt"))) << c.arguments;
    }
}

TEST_F(HeadlessRunTest, ListsTheFaultsItCanInject) {
    ASSERT_EQ(runHeadless("--list-faults"), 0);
    std::string expected;
    for (const platform::FaultEntry& entry : platform::faultTable) {
        expected += std::string(entry.name) + "\n";
    }
    EXPECT_EQ(read("out.txt"), expected);
}

TEST_F(HeadlessRunTest, AFaultOnOneCallFailsThatCallOnly) {
    // The first bitmap the game loads is the flagship's.
    ASSERT_EQ(runHeadless("--frames 1 --fail bitmap.load:1"), 0);
    const std::vector<std::string> log = lines("log.txt");
    ASSERT_GE(log.size(), 3u);
    EXPECT_EQ(log[1], "ERROR: unable to load bitmap");
    EXPECT_EQ(log[2], "ERROR: - unable to load Vosk Flagship image");
    EXPECT_EQ(std::count(log.begin(), log.end(), "ERROR: unable to load bitmap"), 1);
}

TEST_F(HeadlessRunTest, EscapeOrClosingTheWindowEndsTheRunEarly) {
    for (const char* ending : {"3 key 1 down\n", "3 close\n"}) {
        writeText("end.txt", ending);
        ASSERT_EQ(runHeadless("--frames 50 --input end.txt --trace t.jsonl"), 0) << ending;
        EXPECT_LE(lines("t.jsonl").size(), 5u) << ending;
        EXPECT_GE(lines("t.jsonl").size(), 4u) << ending;
    }
}

TEST_F(HeadlessRunTest, ShotsAreTheFlippedFramesAsBitmaps) {
    ASSERT_EQ(runHeadless("--frames 3 --shot 0:setup.bmp --shot 2:battle.bmp"), 0)
        << read("err.txt");
    const platform::Bitmap battle = decodedFile(path("battle.bmp"));
    EXPECT_EQ(battle.width, 800);
    EXPECT_EQ(battle.height, 600);
    // The brightest stars, 31 on every component packed straight, widen to 255, 125, 255.
    EXPECT_NE(std::count(battle.pixels.begin(), battle.pixels.end(), 0xFF7DFFu), 0);
    const platform::Bitmap setup = decodedFile(path("setup.bmp"));
    EXPECT_EQ(std::count(setup.pixels.begin(), setup.pixels.end(), 0u), 800 * 600)
        << "a set-up frame shows only the cleared screen";
}

}  // namespace
