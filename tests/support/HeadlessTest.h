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
    std::vector<std::string> logLines() const;
    // A file in the test's working directory.
    std::filesystem::path path(const std::string& name) const { return workDir / name; }
    void writeFile(const std::string& name, const std::vector<unsigned char>& bytes) const;
    // Copies a file the build put beside the game (a bitmap, the controls file) into the working
    // directory.
    void copyGameFile(const std::string& name) const;
    // All of them: every bitmap and the controls file, as the game ships.
    void copyGameFiles() const;

    platform::HeadlessBackend backend;
    std::filesystem::path workDir;

private:
    std::filesystem::path previousDir;
};
