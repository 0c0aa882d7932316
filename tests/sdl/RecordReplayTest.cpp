#include <SDL.h>
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "app/ScriptPlayer.h"
#include "app/SessionRecorder.h"
#include "app/Trace.h"
#include "app/WinMain.h"
#include "log/Log.h"
#include "platform/sdl/SdlBackend.h"

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/lsan_interface.h>
#endif

namespace {

namespace fs = std::filesystem;

// What the player does on a pass, pushed into SDL's own event queue: keys held (pushed again on
// every pass they stay down), keys let go, mouse clicks.
struct Pass {
    std::vector<SDL_Scancode> down;
    std::vector<SDL_Scancode> up;
    bool click = false;
};

void push(Uint32 type, SDL_Scancode code) {
    SDL_Event e{};
    e.type = type;
    e.key.state = type == SDL_KEYDOWN ? SDL_PRESSED : SDL_RELEASED;
    e.key.keysym.scancode = code;
    e.key.keysym.sym = SDL_GetKeyFromScancode(code);
    SDL_PushEvent(&e);
}

void click() {
    SDL_Event e{};
    e.type = SDL_MOUSEBUTTONDOWN;
    e.button.button = SDL_BUTTON_LEFT;
    e.button.state = SDL_PRESSED;
    SDL_PushEvent(&e);
}

std::vector<std::string> linesWithoutTicks(const fs::path& file) {
    std::vector<std::string> lines;
    std::ifstream in(file);
    for (std::string line; std::getline(in, line);) {
        const std::size_t tick = line.find("\"tick\":");
        const std::size_t comma = line.find(',', tick);
        if (tick != std::string::npos && comma != std::string::npos) {
            line.erase(tick, comma + 1 - tick);
        }
        lines.push_back(line);
    }
    return lines;
}

// A session played through the real backend's input path is recorded, then replayed by the
// headless runner: the replay's trace is the live one, pass for pass (the clock aside, which is
// real in the one and virtual in the other).
TEST(RecordReplayTest, TheHeadlessReplayOfARecordedSessionGivesTheLiveTrace) {
    std::random_device seed;
    const fs::path work = fs::temp_directory_path() / ("corvanes-record-" + std::to_string(seed()));
    fs::create_directories(work);
    for (const auto& entry : fs::directory_iterator(CORVANES_GAME_DIR)) {
        const std::string name = entry.path().filename().string();
        if (entry.path().extension() == ".bmp" || name == "controls.cfg") {
            fs::copy_file(entry.path(), work / name);
        }
    }
    const fs::path before = fs::current_path();
    fs::current_path(work);
    setenv("SDL_VIDEODRIVER", "offscreen", 1);
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    logFile.open("log.txt", std::ios::out | std::ios::trunc);

    // Fly, thrust, shoot, transform, turn, quick taps, the navigation screen with a click (the
    // pointer stays in the middle: pushed events do not move it) and "1" back to a battle.
    std::map<std::uint64_t, Pass> plan;
    for (std::uint64_t p = 5; p < 60; ++p) plan[p].down = {SDL_SCANCODE_RIGHT, SDL_SCANCODE_SPACE};
    for (std::uint64_t p = 40; p < 90; ++p) plan[p].down.push_back(SDL_SCANCODE_D);
    plan[60].up = {SDL_SCANCODE_RIGHT, SDL_SCANCODE_SPACE};
    plan[90].up = {SDL_SCANCODE_D};
    plan[95].down = {SDL_SCANCODE_W};  // one pass: a quick tap
    plan[130].down = {SDL_SCANCODE_Z};
    plan[150].down = {SDL_SCANCODE_1};
    plan[160].click = true;
    plan[170].down = {SDL_SCANCODE_1};
    for (std::uint64_t p = 175; p < 185; ++p) plan[p].down.push_back(SDL_SCANCODE_E);
    plan[199].down = {SDL_SCANCODE_ESCAPE};

    {
#if defined(__SANITIZE_ADDRESS__)
        // The video driver's libraries keep some of what they allocate until the process
        // ends; what the game itself allocates is checked by the headless suite.
        __lsan::ScopedDisabler driverAllocations;
#endif
        platform::SdlBackend backend;
        std::unique_ptr<SessionRecorder> recorder = SessionRecorder::create("session.txt");
        std::unique_ptr<session::TraceFile> trace = session::TraceFile::create("live.jsonl");
        ASSERT_TRUE(recorder && trace);
        backend.setTap(recorder.get());
        platform::setBackend(&backend);
        std::uint64_t pass = 0;
        RunHooks hooks;
        hooks.beforePass = [&](const Game&) {
            recorder->beginPass(pass);
            const auto planned = plan.find(pass);
            if (planned != plan.end()) {
                for (const SDL_Scancode code : planned->second.down) push(SDL_KEYDOWN, code);
                for (const SDL_Scancode code : planned->second.up) push(SDL_KEYUP, code);
                if (planned->second.click) click();
            }
            return pass < 400;
        };
        hooks.afterPass = [&](const Game& game) {
            trace->write(pass, 0, game);
            recorder->endPass();
            ++pass;
        };
        winMain(platform::Instance{}, 1, hooks);
        backend.setTap(nullptr);
        platform::setBackend(nullptr);
        EXPECT_EQ(pass, 200u) << "Escape ends the session on its pass";
    }
    logFile.close();
    std::ifstream recorded("session.txt");
    const std::string recording{std::istreambuf_iterator<char>(recorded),
                                std::istreambuf_iterator<char>()};
    // What the game read: a tap is down for one pass, a click likewise, Escape on its pass.
    for (const char* line :
         {"# corvanes recording\n", "\n5 key 205 down\n", "\n95 key 17 down\n", "\n96 key 17 up\n",
          "\n160 mouse button 0 down\n", "\n161 mouse button 0 up\n", "\n199 key 1 down\n"}) {
        EXPECT_NE(recording.find(line), std::string::npos) << line << recording;
    }

    const std::string replay = std::string("'") + CORVANES_HEADLESS +
                               "' --frames 200 --input session.txt --trace replay.jsonl";
    const int status = std::system(replay.c_str());
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    const std::vector<std::string> live = linesWithoutTicks("live.jsonl");
    ASSERT_EQ(live.size(), 200u);
    EXPECT_NE(live[155].find("\"mode\":2,\"phase\":1"), std::string::npos) << "navigation";
    EXPECT_NE(live[165].find("\"mode\":2,\"phase\":1"), std::string::npos)
        << "the click falls outside the sectors";
    EXPECT_NE(live[175].find("\"mode\":1,\"phase\":1"), std::string::npos) << "1: a battle";
    EXPECT_EQ(linesWithoutTicks("replay.jsonl"), live);
    fs::current_path(before);
    fs::remove_all(work);
}

}  // namespace
