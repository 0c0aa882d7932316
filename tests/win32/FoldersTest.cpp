#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "app/PlayerFolder.h"
#include "platform/files/Folders.h"

namespace {

namespace fs = std::filesystem;

class FoldersTest : public ::testing::Test {
protected:
    void SetUp() override {
        root = fs::temp_directory_path() / "corvanes-folders-test";
        fs::remove_all(root);
        fs::create_directories(root / "program");
        write("program/controls.cfg", "default");
        write("program/drone.bmp", "drone 1");
        write("program/raider.bmp", "raider 1");
        kept = fs::current_path();
    }
    void TearDown() override {
        fs::current_path(kept);
        fs::remove_all(root);
    }
    void write(const std::string& name, const std::string& text) {
        std::ofstream(root / name, std::ios::binary) << text;
    }
    std::string read(const std::string& name) {
        std::ifstream in(root / name, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }

    fs::path root;
    fs::path kept;
};

TEST_F(FoldersTest, TheProgramKnowsItsOwnFileAndWhereItMayWrite) {
    EXPECT_EQ(platform::programPath().filename(), "corvanes_win32_tests.exe");
    EXPECT_TRUE(platform::folderWritable(root));
    EXPECT_FALSE(platform::folderWritable(root / "nowhere"));
    EXPECT_EQ(std::distance(fs::directory_iterator(root), fs::directory_iterator()), 1)
        << "the probe leaves nothing behind";
}

TEST_F(FoldersTest, TheGamePlaysWhereItStartsWhenItCanElseInThePlayersFolder) {
    const fs::path program = root / "program" / "corvanes.exe";
    fs::current_path(root / "program");
    EXPECT_EQ(playerfolder::installedData(program), std::nullopt) << "a double-click";
    fs::create_directories(root / "elsewhere");
    fs::current_path(root / "elsewhere");
    EXPECT_EQ(playerfolder::installedData(program), root / "program");
    fs::current_path(root);
    EXPECT_EQ(playerfolder::installedData(root / "elsewhere" / "corvanes.exe"), std::nullopt)
        << "a program folder without the game's files";
}

TEST_F(FoldersTest, ThePlayersFolderGetsCopiesKeepsItsControlsAndRenewsChangedBitmaps) {
    const fs::path player = root / "player";
    ASSERT_TRUE(playerfolder::enter(root / "program", player));
    EXPECT_EQ(fs::current_path(), player);
    EXPECT_EQ(read("player/controls.cfg"), "default");
    EXPECT_EQ(read("player/drone.bmp"), "drone 1");
    EXPECT_FALSE(fs::is_symlink(player / "drone.bmp"));

    write("player/controls.cfg", "mine");
    write("program/controls.cfg", "new default");
    write("program/drone.bmp", "drone 2");
    ASSERT_TRUE(playerfolder::enter(root / "program", player));
    EXPECT_EQ(read("player/controls.cfg"), "mine");
    EXPECT_EQ(read("player/drone.bmp"), "drone 2");
    EXPECT_EQ(read("player/raider.bmp"), "raider 1");
}

}  // namespace
