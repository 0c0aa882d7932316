#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// A scripted session: input events, each applied at the start of its pass, before that pass's
// message, Escape and input steps. One event a line:
//   F key CODE down|up          a key by its scan code, 0 to 255 (1 is Escape)
//   F mouse move DX DY          mouse motion
//   F mouse button B down|up    B 0 left, 1 right, 2 middle, 3 side
//   F joystick axes X Y         raw -32768 to 32767
//   F joystick button B down|up B 0 to 9
//   F close                     the window is closed
//   F controls BASE64|-         the controls file as the game read it at that pass (its bytes in
//                               base64), or "-" when it could not be opened; from that pass on
//                               the game reads these bytes instead of the folder's file
// "#" starts a comment, blank lines are ignored, and passes never go backwards.
namespace session {

struct ScriptEvent {
    enum class Kind { key, mouseMove, mouseButton, joystickAxes, joystickButton, close };
    std::uint64_t pass = 0;
    Kind kind = Kind::close;
    int a = 0;  // the code, the button or the first coordinate
    int b = 0;  // the second coordinate
    bool down = false;

    friend bool operator==(const ScriptEvent&, const ScriptEvent&) = default;
};

// A controls line: the game's read of its controls file at that pass.
struct ControlsRead {
    std::uint64_t pass = 0;
    // The bytes; nothing for a file that could not be opened.
    std::optional<std::string> file;

    friend bool operator==(const ControlsRead&, const ControlsRead&) = default;
};

struct InputScript {
    std::vector<ScriptEvent> events;
    std::vector<ControlsRead> controls;
    // Some event is the joystick's: the run has one attached from the start.
    bool usesJoystick = false;
};

// The first line of every recorded session.
inline constexpr std::string_view recordingMark = "# corvanes recording";

// Reads a whole script. On a bad line answers false with a message naming the line. In a
// recording (a script that begins with the mark), a last line without its line end that does
// not read as an event is where the game stopped writing, and is left out.
bool parseInputScript(std::string_view text, InputScript& script, std::string& error);

// Reads the script in a file, which must be a plain file that can be read; the message names
// the file, and the line when there is one.
bool readInputScript(const std::string& file, InputScript& script, std::string& error);

// The event as a script line, without its line end.
std::string scriptLine(const ScriptEvent& event);
std::string scriptLine(const ControlsRead& read);

}  // namespace session
