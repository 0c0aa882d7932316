#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "platform/headless/HeadlessBackend.h"

// Every test on the headless backend runs in a fresh working directory of its own, with the
// game's log reopened there and a fresh backend installed.
class HeadlessTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // The lines of log.txt so far.
    std::vector<std::string> logLines() const { return lines("log.txt"); }
    // What the log gained after the set-up marked its place in startLines (the set-up notes,
    // among others, the missing joystick).
    std::vector<std::string> linesSinceStart() const;
    // A file in the test's working directory, its path, its text and its lines.
    std::filesystem::path path(const std::string& name) const { return workDir / name; }
    std::string read(const std::string& name) const;
    std::vector<std::string> lines(const std::string& name) const;
    void writeFile(const std::string& name, const std::vector<unsigned char>& bytes) const;
    // Copies a file the build put beside the game (a bitmap, the controls file) into the working
    // directory.
    void copyGameFile(const std::string& name) const;
    // All of them: every bitmap and the controls file, as the game ships.
    void copyGameFiles() const;

    // Runs `program` from the folder `from` (below the test's own) without a display, its
    // output going to out.txt and err.txt; answers its exit status, or -1 when it did not exit.
    int run(const std::string& program, const std::string& arguments,
            const std::string& from = ".") const;
    int runHeadless(const std::string& arguments) const;
    // The pixels of the last flipped frame that are not black.
    int litPixels() const;

    platform::HeadlessBackend backend;
    std::filesystem::path workDir;
    std::size_t startLines = 0;

private:
    std::filesystem::path previousDir;
};
