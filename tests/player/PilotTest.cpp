#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <vector>

#include "player/Pilot.h"
#include "support/HeadlessTest.h"

namespace {

using Lines = std::vector<std::string>;

// The joystick flag (0 or 1), then the eleven codes in the file's order.
using Entries = std::array<int, 12>;
constexpr Entries shipped = {0, 44, 57, 32, 18, 46, 17, 31, 200, 208, 203, 205};

Entries entriesOf(const Pilot& p) {
    return {p.usingJoystick() ? 1 : 0, p.getInputFacing(),   p.getInputAcceleration(),
            p.getInputShootStr(),      p.getInputShootUp(),  p.getInputShootDown(),
            p.getInputModeUp(),        p.getInputModeDown(), p.getKeyboardUp(),
            p.getKeyboardDown(),       p.getKeyboardLeft(),  p.getKeyboardRight()};
}

// The shipped layout with some entries (1 to 12) replaced.
Entries shippedWith(std::map<int, int> changes) {
    Entries e = shipped;
    for (const auto& [entry, value] : changes) e[static_cast<std::size_t>(entry - 1)] = value;
    return e;
}

const std::string badFlag = "ERROR: Pilot: bad usingJoy bool value for keyboard";

class PilotTest : public HeadlessTest {
protected:
    Entries readFile(const std::string& text) {
        std::ofstream(path("controls.cfg"), std::ios::binary) << text;
        return entriesOf(Pilot("blah"));
    }
};

struct FileCase {
    const char* name;
    std::string text;
    Entries expected;
    Lines log;
};

void PrintTo(const FileCase& c, std::ostream* out) {
    *out << c.name;
}

class ControlsFile : public PilotTest, public testing::WithParamInterface<FileCase> {};

TEST_P(ControlsFile, ReadsAsTheGameAlwaysHas) {
    EXPECT_EQ(readFile(GetParam().text), GetParam().expected);
    EXPECT_EQ(logLines(), GetParam().log);
}

const FileCase fileCases[] = {
    {"EveryEntryInItsPlace",
     "1\n1\n2\n3\n4\n5\n6\n7\n8\n9\n10\n11\n",
     {1, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11},
     {}},
    {"ANumberBeforeTwoSlashesIsAComment", "1 // joystick\n0\n33\n", shippedWith({{2, 33}}), {}},
    {"CommentsAnywhereAreNeverCounted",
     "// a\n0\n//\n// b\n33\nx // 7\n34\n//",
     shippedWith({{2, 33}, {3, 34}}),
     {}},
    {"ABlankLineRepeatsTheLastValue",
     "0\n33\n\n57\n",
     shippedWith({{2, 33}, {3, 33}, {4, 57}}),
     {}},
    {"AWordRepeatsTheLastValueToo", "1\ntrue\n40\n", shippedWith({{1, 1}, {2, 1}, {3, 40}}), {}},
    {"AFlagOfTwoIsRefusedAndTheNextLineIsEntryTwo", "2\n33\n", shippedWith({{2, 33}}), {badFlag}},
    {"AWordForTheFlagIsRefused", "true\n33\n", shippedWith({{2, 33}}), {badFlag}},
    {"NoNumberYetLeavesLaterEntriesAlone", "\nabc\n44\n", shippedWith({{3, 44}}), {badFlag}},
    {"StreamStyleNumbers",
     "0\n+57\n   57\n57 and more\n\t-12\n0x39\n57abc\n",
     shippedWith({{2, 57}, {3, 57}, {4, 57}, {5, -12}, {6, 0}, {7, 57}}),
     {}},
    {"ASignAloneOrASpaceAfterItIsNoNumber",
     "0\n44\n-\n+ 5\n",
     shippedWith({{2, 44}, {3, 44}, {4, 44}}),
     {}},
    {"NumbersBeyondAnIntAreNoNumber",
     "0\n2147483647\n2147483648\n-2147483648\n-2147483649\n",
     shippedWith({{2, 2147483647}, {3, 2147483647}, {4, -2147483647 - 1}, {5, -2147483647 - 1}}),
     {}},
    {"FifteenEntriesAssignTwelve",
     "0\n1\n2\n3\n4\n5\n6\n7\n8\n9\n10\n11\n12\n13\n14\n",
     {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11},
     {}},
    {"ALastLineWithoutALineFeedCounts", "0\n44", shippedWith({{2, 44}}), {}},
    {"WindowsLineEnds", "1\r\n44\r\n\r\n", shippedWith({{1, 1}, {2, 44}, {3, 44}}), {}},
    {"AnEmptyFileAssignsNothing", "", shipped, {}},
    {"NulBytesAreNoNumber", std::string("\0\0\n1\n", 5), shippedWith({{2, 1}}), {badFlag}},
    {"BinaryJunk",
     std::string("\xff\xfe\x00\x01\n\x80\x39\n7\n", 9),
     shippedWith({{3, 7}}),
     {badFlag}},
};

INSTANTIATE_TEST_SUITE_P(Lines, ControlsFile, testing::ValuesIn(fileCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(PilotTest, WithoutAFileTheShippedLayoutStands) {
    EXPECT_EQ(entriesOf(Pilot("blah")), shipped);
    // A folder of that name is no file either.
    std::filesystem::create_directory(path("controls.cfg"));
    EXPECT_EQ(entriesOf(Pilot("blah")), shipped);
    EXPECT_EQ(logLines(),
              (Lines{"ERROR: unable to open controls.cfg", "ERROR: unable to open controls.cfg"}));
}

TEST_F(PilotTest, HugeLinesAreReadThroughAndGiveNoNumber) {
    const std::string digits(10 << 20, '7');
    const std::string junk(10 << 20, 'x');
    EXPECT_EQ(readFile("0\n" + digits + "\n" + junk + "\n44\n"),
              shippedWith({{2, 0}, {3, 0}, {4, 44}}));
    // Blanks of any length before the number are skipped.
    EXPECT_EQ(readFile("0\n" + std::string(10 << 20, ' ') + "45"), shippedWith({{2, 45}}));
    EXPECT_TRUE(logLines().empty());
}

TEST_F(PilotTest, AFileEndsForTheReaderAtItsLimit) {
    std::string text = "0\n" + std::string(Pilot::maximumFileBytes - 2, '/') + "\n44\n";
    EXPECT_EQ(readFile(text), shipped);
}

}  // namespace
