#include <gtest/gtest.h>

#include "app/WebOptions.h"

namespace {

TEST(WebOptionsTest, ReadsWhatTheAddressAsks) {
    struct Case {
        const char* query;
        std::string input;
        std::optional<std::uint64_t> frames;
        bool trace;
        bool fast;
    };
    const Case cases[] = {
        {"", "", std::nullopt, false, false},
        {"?input=flight.txt&frames=3750&trace=1&fast=1", "flight.txt", 3750, true, true},
        {"input=a%2Fb+c.txt&frames=0", "a/b c.txt", 0, false, false},
        {"?frames=20&trace=1&unknown=x", "", 20, true, false},
        {"?trace=0&fast=0&input=x&frames=1", "x", 1, false, false},
    };
    for (const Case& c : cases) {
        WebOptions options;
        std::string error;
        ASSERT_TRUE(parseWebOptions(c.query, options, error)) << c.query << ": " << error;
        EXPECT_EQ(options.input, c.input) << c.query;
        EXPECT_EQ(options.frames, c.frames) << c.query;
        EXPECT_EQ(options.trace, c.trace) << c.query;
        EXPECT_EQ(options.fast, c.fast) << c.query;
    }
}

TEST(WebOptionsTest, RefusesABadAddressWithOneLineThatNamesIt) {
    struct Case {
        const char* query;
        const char* error;
    };
    const Case cases[] = {
        {"?input=flight.txt", "frames=N is needed with input, the number of passes to play"},
        {"?input=&frames=5", "input needs the name of an input script"},
        {"?input=a&frames=-1", "frames takes a number of passes, 0 or more, not \"-1\""},
        {"?input=a&frames=1e3", "frames takes a number of passes, 0 or more, not \"1e3\""},
        {"?frames=", "frames takes a number of passes, 0 or more, not \"\""},
        {"?trace=yes", "trace takes 1 or 0, not \"yes\""},
    };
    for (const Case& c : cases) {
        WebOptions options;
        std::string error;
        EXPECT_FALSE(parseWebOptions(c.query, options, error)) << c.query;
        EXPECT_EQ(error, c.error) << c.query;
    }
}

}  // namespace
