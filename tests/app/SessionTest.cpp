#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "app/GameOptions.h"
#include "app/InputScript.h"
#include "app/PlayerFolder.h"
#include "app/Session.h"
#include "app/SessionRecorder.h"
#include "platform/input/KeyCodes.h"
#include "support/HeadlessTest.h"

namespace {

namespace fs = std::filesystem;
using Kind = session::ScriptEvent::Kind;

using SessionTest = HeadlessTest;

TEST_F(SessionTest, TheRecorderWritesWhatTheGameReadAsAScriptThatReadsBack) {
    {
        std::unique_ptr<SessionRecorder> r = SessionRecorder::create(path("s.txt").string());
        ASSERT_TRUE(r);
        platform::KeyboardState keys{};
        platform::MouseReading mouse;
        platform::JoystickReading stick;
        r->beginPass(0);
        keys[platform::DIK_SPACE] = platform::pressed;
        r->keysRead(keys);
        r->mouseRead(mouse);
        r->joystickRead(stick);  // at rest, but there is a joystick
        r->endPass();
        EXPECT_EQ(read("s.txt"), "# corvanes recording\n0 key 57 down\n0 joystick axes 0 0\n")
            << "each pass reaches the file when it ends";
        r->beginPass(3);
        keys[platform::DIK_SPACE] = 0;
        keys[platform::DIK_Z] = platform::pressed;
        mouse.dx = -4;
        mouse.buttons[0] = true;
        stick.x = 32767;
        stick.buttons[9] = true;
        r->keysRead(keys);
        r->mouseRead(mouse);
        r->joystickRead(stick);
        r->endPass();
        // Escape is seen before the pass's key snapshot, which may no longer hold it.
        r->beginPass(4);
        r->fileRead("controls.cfg", std::string("0\n44\n"));
        r->fileRead("drone.bmp", std::string("BM"));  // only the controls file is carried
        r->fileRead("controls.cfg", std::nullopt);
        r->closeTaken();
        r->escapeSeen();
        keys[platform::DIK_Z] = 0;
        r->keysRead(keys);
        r->endPass();
    }
    session::InputScript script;
    std::string error;
    ASSERT_TRUE(session::parseInputScript(read("s.txt"), script, error)) << error;
    EXPECT_EQ(script.events, (std::vector<session::ScriptEvent>{
                                 {0, Kind::key, 57, 0, true},
                                 {0, Kind::joystickAxes, 0, 0, false},
                                 {3, Kind::key, 44, 0, true},
                                 {3, Kind::key, 57, 0, false},
                                 {3, Kind::mouseMove, -4, 0, false},
                                 {3, Kind::mouseButton, 0, 0, true},
                                 {3, Kind::joystickAxes, 32767, 0, false},
                                 {3, Kind::joystickButton, 9, 0, true},
                                 {4, Kind::close, 0, 0, false},
                                 {4, Kind::key, 1, 0, true},
                                 {4, Kind::key, 44, 0, false},
                             }));
    EXPECT_TRUE(script.usesJoystick);
    EXPECT_EQ(script.controls, (std::vector<session::ControlsRead>{{4, "0\n44\n"}, {4, {}}}));
}

TEST_F(SessionTest, ARecordingCutOffMidLineReplaysUpToItsLastWholeLine) {
    session::InputScript script;
    std::string error;
    const std::string recording = "# corvanes recording\n0 key 57 down\n5 key 57 up\n9 key 2";
    ASSERT_TRUE(session::parseInputScript(recording, script, error)) << error;
    EXPECT_EQ(script.events.size(), 2u);
    // A script of the player's own is not a recording: a bad last line is refused.
    EXPECT_FALSE(session::parseInputScript("0 key 57 down\n9 key 2", script, error));
    EXPECT_EQ(error, "line 2: too few words for \"PASS key CODE down|up\"");
    // The same for a bad line before the last one of a recording.
    EXPECT_FALSE(
        session::parseInputScript("# corvanes recording\n0 key 999 down\n", script, error));
}

TEST(GameOptionsTest, TakesARecordingOrAPlaybackAndATrace) {
    GameOptions o;
    std::string error;
    ASSERT_TRUE(parseGameOptions({"--record", "a.txt", "--trace", "t.jsonl"}, o, error));
    EXPECT_EQ(o.record, "a.txt");
    EXPECT_EQ(o.trace, "t.jsonl");
    ASSERT_TRUE(parseGameOptions({}, o, error));
    const struct {
        std::vector<std::string> args;
        const char* error;
    } bad[] = {
        {{"--record"}, "--record needs a file"},
        {{"--playback", ""}, "--playback needs a file"},
        {{"--fast"}, "unknown option \"--fast\""},
        {{"--record", "a", "--playback", "b"}, "--record and --playback do not go together"},
    };
    for (const auto& c : bad) {
        EXPECT_FALSE(parseGameOptions(c.args, o, error));
        EXPECT_EQ(error, c.error);
    }
}

// The game itself refuses bad options on stderr with status 2, before any window opens (here
// there is no display at all).
TEST_F(SessionTest, TheGameRefusesBadSessionFilesBeforeAnyWindow) {
    fs::create_directories(path("run"));
    std::ofstream(path("run/bad.txt")) << "0 key 57 down\n2 key 57 sideways\n";
    const struct {
        std::string args;
        std::string message;
    } cases[] = {
        {"--record nowhere/r.txt", "corvanes: --record: cannot write \"nowhere/r.txt\"\n"},
        {"--playback missing.txt", "corvanes: cannot read the input script \"missing.txt\"\n"},
        {"--playback bad.txt", "corvanes: bad.txt: line 2: a key goes down or up\n"},
        {"--speed 2", "corvanes: unknown option \"--speed\"\n"},
        {"--playback .", "corvanes: cannot read the input script \".\": it is a folder\n"},
        {"--trace .", "corvanes: --trace: cannot write \".\": it is a folder\n"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(run(CORVANES_GAME, c.args, "run"), 2) << c.args;
        EXPECT_EQ(read("err.txt"), c.message);
        EXPECT_FALSE(fs::exists(path("run/log.txt"))) << "nothing is written: " << c.args;
    }
}

// A host that cannot block runs the passes one at a time; they play a recorded session exactly
// as the runner's own loop does, and stop at the pass limit.
TEST_F(SessionTest, PassesRunOneAtATimePlayAsTheRunnersLoop) {
    copyGameFiles();
    const std::string script = CORVANES_SOURCE_DIR "/tests/regression/combat.txt";
    ASSERT_EQ(runHeadless("--frames 900 --input '" + script + "' --trace runner.jsonl"), 0);

    Session stepped("corvanes-headless", platform::Instance{});
    ASSERT_TRUE(stepped.readScript(script));
    ASSERT_TRUE(stepped.createTrace(path("stepped.jsonl").string()));
    stepped.limitPasses(900);
    if (stepped.script().usesJoystick) backend.inputHardware().attachJoystick(true);
    stepped.start(backend, backend.inputHardware(), {});
    std::uint64_t passes = 0;
    while (stepped.pass()) ++passes;
    EXPECT_EQ(stepped.finish(), 0);
    EXPECT_EQ(passes, 900u);
    EXPECT_EQ(stepped.passes(), 900u);
    const std::string trace = read("stepped.jsonl");
    EXPECT_EQ(std::count(trace.begin(), trace.end(), '\n'), 900);
    EXPECT_EQ(trace, read("runner.jsonl"));
}

TEST_F(SessionTest, AnInstalledGamePlaysInThePlayersOwnFolder) {
    const fs::path share = path("prefix/share/corvanes");
    fs::create_directories(share);
    fs::create_directories(path("prefix/bin"));
    std::ofstream(share / "controls.cfg") << "0\n44\n";
    std::ofstream(share / "drone.bmp") << "new";
    std::ofstream(share / "raider.bmp") << "new";
    EXPECT_EQ(playerfolder::installedData(path("prefix/bin/corvanes")), share);
    EXPECT_EQ(playerfolder::installedData(path("elsewhere/corvanes")), std::nullopt);

    const fs::path home = path("home/corvanes");
    ASSERT_TRUE(playerfolder::enter(share, home));
    EXPECT_EQ(fs::current_path(), home);
    EXPECT_EQ(read("home/corvanes/controls.cfg"), "0\n44\n");
    EXPECT_TRUE(fs::is_symlink(home / "drone.bmp"));
    // The player's own controls and bitmaps stay; links of ours follow the installation.
    std::ofstream(home / "controls.cfg") << "1\n";
    fs::remove(home / "raider.bmp");
    std::ofstream(home / "raider.bmp") << "mine";
    ASSERT_TRUE(playerfolder::enter(share, home));
    EXPECT_EQ(read("home/corvanes/controls.cfg"), "1\n");
    EXPECT_EQ(read("home/corvanes/raider.bmp"), "mine");
    EXPECT_EQ(read("home/corvanes/drone.bmp"), "new");
    fs::current_path(workDir);
}

}  // namespace
