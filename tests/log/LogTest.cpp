#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "log/Log.h"
#include "support/HeadlessTest.h"

namespace {

std::vector<std::string> readLines(const std::filesystem::path& file) {
    std::vector<std::string> lines;
    std::ifstream in(file);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

}  // namespace

class LogTest : public HeadlessTest {
protected:
    // Runs the probe in the test's directory: it opens log.txt the way the game does, writes
    // the lines and leaves without any orderly exit.
    int runProbe(const std::string& args) {
        const std::string command =
            "cd '" + workDir.string() + "' && '" CORVANES_LOG_PROBE "' " + args;
        return std::system(command.c_str());
    }
};

TEST_F(LogTest, EveryLineReachesTheFileAtOnceAndInOrder) {
    ASSERT_EQ(runProbe("'ERROR: first' 'ERROR: second'"), 0);
    EXPECT_EQ(readLines(workDir / "log.txt"),
              (std::vector<std::string>{"ERROR: first", "ERROR: second"}));
}

TEST_F(LogTest, ASecondStartEmptiesTheLogFirst) {
    ASSERT_EQ(runProbe("'from the first run' 'and more'"), 0);
    ASSERT_EQ(runProbe("'from the second run'"), 0);
    EXPECT_EQ(readLines(workDir / "log.txt"), (std::vector<std::string>{"from the second run"}));
}

TEST_F(LogTest, ALogThatCannotBeOpenedIsIgnored) {
    logFile.close();
    std::filesystem::create_directory(workDir / "locked");
    logFile.open((workDir / "locked").string(), std::ios::out | std::ios::trunc);
    logLine("ERROR: nowhere to go");
    SUCCEED();
}
