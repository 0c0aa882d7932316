#include <gtest/gtest.h>

#include <fstream>
#include <set>
#include <string>
#include <vector>

namespace {

struct Line {
    std::string text;
    bool comment;
};

std::vector<Line> shippedControls() {
    std::ifstream in(std::string(CORVANES_SOURCE_DIR) + "/assets/controls.cfg");
    std::vector<Line> lines;
    std::string text;
    while (std::getline(in, text)) lines.push_back({text, text.find("//") != std::string::npos});
    return lines;
}

std::vector<int> values(const std::vector<Line>& lines) {
    std::vector<int> v;
    for (const Line& l : lines) {
        if (!l.comment) v.push_back(std::stoi(l.text));
    }
    return v;
}

TEST(ShippedControls, HoldTwelvePlainNumbersEachExplainedByTheCommentAboveIt) {
    const std::vector<Line> lines = shippedControls();
    ASSERT_FALSE(lines.empty());
    int entries = 0;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (lines[i].comment) continue;
        ++entries;
        EXPECT_FALSE(lines[i].text.empty()) << "a blank line would take an entry of its own";
        EXPECT_EQ(lines[i].text.find_first_not_of("0123456789"), std::string::npos)
            << lines[i].text;
        EXPECT_TRUE(i > 0 && lines[i - 1].comment) << "entry " << entries << " is unexplained";
    }
    EXPECT_EQ(entries, 12);
}

TEST(ShippedControls, SteerWithTheArrowKeysAndGiveEveryCommandAKeyOfItsOwn) {
    const std::vector<int> v = values(shippedControls());
    ASSERT_EQ(v.size(), 12u);
    EXPECT_EQ(v[0], 0);  // keyboard steering
    // Up, down, left and right: the arrow keys' scan codes.
    EXPECT_EQ(v[8], 200);
    EXPECT_EQ(v[9], 208);
    EXPECT_EQ(v[10], 203);
    EXPECT_EQ(v[11], 205);
    const std::set<int> keys(v.begin() + 1, v.end());
    EXPECT_EQ(keys.size(), 11u);
    for (int key : keys) {
        EXPECT_GT(key, 0);
        EXPECT_LT(key, 256);
        EXPECT_NE(key, 1) << "Escape quits the game";
        EXPECT_NE(key, 2) << "the 1 key ends the battle";
    }
}

}  // namespace
