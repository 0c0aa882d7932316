#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/InputScript.h"

namespace {

using session::ScriptEvent;
using Kind = ScriptEvent::Kind;

TEST(InputScriptTest, ReadsEveryEventInOrder) {
    const std::string text =
        "# a session\n"
        "0 key 57 down\n"
        "\n"
        "   3\tkey 1 up   # Escape let go\r\n"
        "3 mouse move -12 40\n"
        "4 mouse button 0 down\n"
        "4 joystick axes -32768 32767\n"
        "9 joystick button 9 up\n"
        "12 close";
    session::InputScript script;
    std::string error;
    ASSERT_TRUE(session::parseInputScript(text, script, error)) << error;
    EXPECT_EQ(script.events, (std::vector<ScriptEvent>{
                                 {0, Kind::key, 57, 0, true},
                                 {3, Kind::key, 1, 0, false},
                                 {3, Kind::mouseMove, -12, 40, false},
                                 {4, Kind::mouseButton, 0, 0, true},
                                 {4, Kind::joystickAxes, -32768, 32767, false},
                                 {9, Kind::joystickButton, 9, 0, false},
                                 {12, Kind::close, 0, 0, false},
                             }));
    EXPECT_TRUE(script.usesJoystick);
    ASSERT_TRUE(session::parseInputScript("0 key 2 down\n", script, error));
    EXPECT_FALSE(script.usesJoystick);
    ASSERT_TRUE(session::parseInputScript("", script, error));
    EXPECT_TRUE(script.events.empty());
}

TEST(InputScriptTest, RefusesABadLineByItsNumber) {
    const struct {
        const char* text;
        const char* error;
    } cases[] = {
        {"0 key 256 down", "line 1: a key code is 0 to 255"},
        {"0 key -1 down", "line 1: a key code is 0 to 255"},
        {"0 key 0x1E down", "line 1: a key code is 0 to 255"},
        {"0 key 30 pressed", "line 1: a key goes down or up"},
        {"# fine\n-1 key 30 down", "line 2: a line starts with its pass number, 0 or more"},
        {"x key 30 down", "line 1: a line starts with its pass number, 0 or more"},
        {"5 key 30 down\n4 key 30 up", "line 2: passes must not go backwards"},
        {"7", "line 1: a pass number needs an event after it"},
        {"0 jump", "line 1: unknown event \"jump\""},
        {"0 mouse wheel 1", "line 1: unknown event \"mouse wheel\""},
        {"0 key 30", "line 1: too few words for \"PASS key CODE down|up\""},
        {"10 key 57 down extra",
         "line 1: \"extra\" is one word too many for \"PASS key CODE down|up\""},
        {"0 close now", "line 1: \"now\" is one word too many for \"PASS close\""},
        {"0 controls MTI=x", "line 1: a controls line carries base64 bytes, or \"-\""},
        {"0 controls", "line 1: too few words for \"PASS controls BASE64|-\""},
        {"0 mouse button 4 down", "line 1: a mouse button is 0 to 3"},
        {"0 joystick button 10 down", "line 1: a joystick button is 0 to 9"},
        {"0 joystick axes 0 40000", "line 1: joystick axes are -32768 to 32767"},
        {"0 mouse move 1.5 2", "line 1: mouse motion is two whole numbers"},
        {"99999999999999999999 close", "line 1: a line starts with its pass number, 0 or more"},
    };
    for (const auto& c : cases) {
        session::InputScript script;
        std::string error;
        EXPECT_FALSE(session::parseInputScript(c.text, script, error)) << c.text;
        EXPECT_EQ(error, c.error) << c.text;
        EXPECT_TRUE(script.events.empty()) << c.text;
    }
}

}  // namespace
