#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "app/Base64.h"
#include "support/HeadlessTest.h"

// What a new player meets first, through the programs themselves: the folder the game plays in,
// recordings that carry their controls file, and --help.
namespace {

namespace fs = std::filesystem;

using NewPlayerTest = HeadlessTest;

TEST_F(NewPlayerTest, TheRunnerPlaysWhereTheBitmapsAreOrSaysWhereItLooked) {
    for (const char* folder : {"game", "here", "empty"}) fs::create_directories(path(folder));
    fs::copy_file(CORVANES_HEADLESS, path("game/corvanes-headless"));
    const std::string runner = path("game/corvanes-headless").string();

    ASSERT_EQ(run(runner, "--frames 2", "empty"), 0);
    EXPECT_NE(read("err.txt").find("nor the program's folder"), std::string::npos);
    EXPECT_NE(read("err.txt").find("holds the game's bitmaps"), std::string::npos);
    EXPECT_TRUE(fs::exists(path("empty/log.txt"))) << "it still plays where it was started";

    fs::copy_file(fs::path(CORVANES_GAME_DIR) / "drone.bmp", path("game/drone.bmp"));
    fs::remove(path("empty/log.txt"));
    ASSERT_EQ(run(runner, "--frames 2", "empty"), 0);
    EXPECT_EQ(read("err.txt"), "");
    EXPECT_TRUE(fs::exists(path("game/log.txt"))) << "the program's own folder holds bitmaps";
    EXPECT_FALSE(fs::exists(path("empty/log.txt")));

    fs::copy_file(fs::path(CORVANES_GAME_DIR) / "raider.bmp", path("here/raider.bmp"));
    ASSERT_EQ(run(runner, "--frames 2", "here"), 0);
    EXPECT_EQ(read("err.txt"), "");
    EXPECT_TRUE(fs::exists(path("here/log.txt"))) << "the working folder comes first";

    ASSERT_EQ(run(runner, "--frames 2 --dir ../empty", "game"), 0);
    EXPECT_NE(read("err.txt").find("\"../empty\" holds none of the game's bitmaps"),
              std::string::npos);
    EXPECT_TRUE(fs::exists(path("empty/log.txt"))) << "a folder given is used as it is";
}

TEST_F(NewPlayerTest, AScriptCarriesTheControlsFileTheGameWasPlayedWith) {
    copyGameFiles();
    const std::string folders = read("controls.cfg");
    // The player's own file shoots straight ahead with F (33) instead of D (32).
    std::string own = folders;
    own.replace(own.find("\n32\n"), 4, "\n33\n");
    const std::string keys = "5 key 33 down\n40 key 33 up\n";
    std::ofstream(path("carried.txt")) << "0 controls " << session::encodeBase64(own) << "\n"
                                       << keys;
    std::ofstream(path("missing.txt")) << "0 controls -\n" << keys;
    std::ofstream(path("plain.txt")) << keys;

    ASSERT_EQ(run(CORVANES_HEADLESS, "--frames 60 --input carried.txt --trace carried.jsonl"), 0);
    ASSERT_EQ(run(CORVANES_HEADLESS, "--frames 60 --input missing.txt"), 0);
    EXPECT_NE(read("log.txt").find("ERROR: unable to open controls.cfg"), std::string::npos)
        << "the script's \"-\" stands for a file that could not be opened";
    EXPECT_EQ(read("controls.cfg"), folders) << "the folder's file is neither read nor written";
    ASSERT_EQ(run(CORVANES_HEADLESS, "--frames 60 --input plain.txt --trace default.jsonl"), 0);
    std::ofstream(path("controls.cfg"), std::ios::trunc) << own;
    ASSERT_EQ(run(CORVANES_HEADLESS, "--frames 60 --input plain.txt --trace own.jsonl"), 0);

    EXPECT_EQ(read("carried.jsonl"), read("own.jsonl"));
    EXPECT_NE(read("carried.jsonl"), read("default.jsonl")) << "F shoots only with the own file";
}

TEST_F(NewPlayerTest, BothProgramsExplainThemselves) {
    for (const char* program : {CORVANES_HEADLESS, CORVANES_GAME}) {
        for (const char* option : {"--help", "-h"}) {
            EXPECT_EQ(run(program, option), 0) << program << " " << option;
            EXPECT_EQ(read("out.txt").rfind("usage: corvanes", 0), 0u) << read("out.txt");
            EXPECT_NE(read("out.txt").find("Example: "), std::string::npos);
            EXPECT_EQ(read("err.txt"), "");
        }
    }
    run(CORVANES_HEADLESS, "--help");
    EXPECT_NE(read("out.txt").find("a pass is 16 ms of game time"), std::string::npos);
}

}  // namespace
