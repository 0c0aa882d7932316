#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "support/HeadlessTest.h"

class LogTest : public HeadlessTest {
protected:
    // Runs the probe: it opens log.txt the way the game does, writes the lines and leaves
    // without any orderly exit.
    int runProbe(const std::string& args, const std::string& from = ".") {
        return run(CORVANES_LOG_PROBE, args, from);
    }
};

TEST_F(LogTest, EveryLineReachesTheFileAtOnceAndInOrder) {
    ASSERT_EQ(runProbe("'ERROR: first' 'ERROR: second'"), 0);
    EXPECT_EQ(lines("log.txt"), (std::vector<std::string>{"ERROR: first", "ERROR: second"}));
}

TEST_F(LogTest, ASecondStartEmptiesTheLogFirst) {
    ASSERT_EQ(runProbe("'from the first run' 'and more'"), 0);
    ASSERT_EQ(runProbe("'from the second run'"), 0);
    EXPECT_EQ(lines("log.txt"), (std::vector<std::string>{"from the second run"}));
}

TEST_F(LogTest, ALogThatCannotBeOpenedIsIgnored) {
    std::filesystem::create_directories(path("locked/log.txt"));
    ASSERT_EQ(runProbe("'ERROR: nowhere to go' 'ERROR: nor here'", "locked"), 0);
    EXPECT_TRUE(std::filesystem::is_empty(path("locked/log.txt")));
    EXPECT_EQ(read("err.txt"), "");
}
