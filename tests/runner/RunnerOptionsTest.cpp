#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "RunnerOptions.h"

namespace {

using Args = std::vector<std::string>;

TEST(RunnerOptionsTest, ReadsEveryOption) {
    runner::RunnerOptions o;
    std::string error;
    ASSERT_TRUE(runner::parseRunnerOptions(
        {"--frames", "120", "--dir", "run", "--input", "in.txt", "--trace", "t.jsonl", "--shot",
         "0:a.bmp", "--shot", "60:dir/b:c.bmp", "--fail", "display.flip", "--fail",
         "bitmap.load:3"},
        o, error))
        << error;
    EXPECT_EQ(o.frames, 120u);
    EXPECT_EQ(o.dir, "run");
    EXPECT_EQ(o.input, "in.txt");
    EXPECT_EQ(o.trace, "t.jsonl");
    ASSERT_EQ(o.shots.size(), 2u);
    EXPECT_EQ(o.shots[1].pass, 60u);
    EXPECT_EQ(o.shots[1].file, "dir/b:c.bmp");
    ASSERT_EQ(o.faults.size(), 2u);
    EXPECT_EQ(o.faults[0].fault, platform::Fault::displayFlip);
    EXPECT_EQ(o.faults[0].call, std::nullopt);
    EXPECT_EQ(o.faults[1].fault, platform::Fault::bitmapLoad);
    EXPECT_EQ(o.faults[1].call, 3);
    ASSERT_TRUE(runner::parseRunnerOptions({"--list-faults"}, o, error));
    EXPECT_TRUE(o.listFaults);
    ASSERT_TRUE(runner::parseRunnerOptions({"--frames", "0"}, o, error));
}

TEST(RunnerOptionsTest, NamesTheArgumentItRefuses) {
    const struct {
        Args args;
        const char* error;
    } cases[] = {
        {{}, "--frames N is needed"},
        {{"--frames"}, "--frames needs a value"},
        {{"--frames", "-3"}, "--frames takes a number of passes, 0 or more, not \"-3\""},
        {{"--frames", "ten"}, "--frames takes a number of passes, 0 or more, not \"ten\""},
        {{"--frames", "10", "--speed", "2"}, "unknown option \"--speed\""},
        {{"--frames", "10", "extra"}, "unknown option \"extra\""},
        {{"--frames", "10", "--trace"}, "--trace needs a value"},
        {{"--frames", "10", "--shot", "a.bmp"}, "--shot takes PASS:FILE, not \"a.bmp\""},
        {{"--frames", "10", "--shot", "-1:a.bmp"}, "--shot takes PASS:FILE, not \"-1:a.bmp\""},
        {{"--frames", "10", "--shot", "5:"}, "--shot takes PASS:FILE, not \"5:\""},
        {{"--frames", "10", "--fail", "display.nothing"},
         "--fail: no platform call is named \"display.nothing\" (see --list-faults)"},
        {{"--frames", "10", "--fail", "display.flip:0"},
         "--fail takes NAME or NAME:K with K from 1, not \"display.flip:0\""},
        {{"--frames", "10", "--fail", "display.flip:x"},
         "--fail takes NAME or NAME:K with K from 1, not \"display.flip:x\""},
    };
    for (const auto& c : cases) {
        runner::RunnerOptions o;
        std::string error;
        EXPECT_FALSE(runner::parseRunnerOptions(c.args, o, error)) << c.error;
        EXPECT_EQ(error, c.error);
    }
}

}  // namespace
