#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "app/InputScript.h"
#include "app/ScriptPlayer.h"
#include "app/Trace.h"
#include "app/WinMain.h"
#include "platform/window/WindowTypes.h"

class Game;
class Program;

namespace platform {
class Backend;
class FileTap;
class ScriptedInput;
}  // namespace platform

// One run of the program as its front ends drive it: the files named on the command line,
// checked before anything is written; the log; the script played into scripted devices pass by
// pass; the pass count, the pass limit and the trace; and the shutdown in order. The native
// programs run it with the window's own loop (`run`); a host that cannot block starts it, runs
// its passes one at a time and finishes it.
class Session {
public:
    // What a front end adds to each pass: a step before the script is played into it, and one
    // after its frame (after the trace line).
    struct Extras {
        std::function<void(std::uint64_t pass)> beforePass;
        std::function<void(std::uint64_t pass, const Game& game)> afterPass;
        // What stands between the game and its files (a recorder); else the script does.
        platform::FileTap* files = nullptr;
    };

    // `name` starts every line the session prints.
    Session(std::string name, platform::Instance instance);
    ~Session();
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    // One line on stderr, "NAME: message"; answers the refusal's exit status, 2.
    int refuse(const std::string& message) const;

    // Set-up, before anything is written: each answers false once it has printed its refusal.
    bool readScript(const std::string& file);
    bool createTrace(const std::string& file);
    // The program shuts down in order after this many passes, as after Escape.
    void limitPasses(std::uint64_t frames) { limit = frames; }
    const session::InputScript& script() const { return player.script(); }

    // Goes to the folder the game plays in, before the log opens there, by the rule in
    // docs/QUIRKS.md; a folder given on the command line is used as it is. False, with the
    // refusal printed, when the player's folder cannot be made.
    bool settle(const std::filesystem::path& program, const std::string& given = {});

    // Opens the log in the working folder, installs the backend, and starts the program, whose
    // passes play the script into `input`.
    void start(platform::Backend& backend, platform::ScriptedInput& input, Extras extras);
    // One pass; false once the program's loop has ended.
    bool pass();
    // The program torn down, the backend uninstalled and the trace closed: the exit status.
    int finish();
    // All three, with the window's own loop.
    int run(platform::Backend& backend, platform::ScriptedInput& input, Extras extras);

    std::uint64_t passes() const { return passCount; }

private:
    void prepare(platform::Backend& backend, platform::ScriptedInput& input, Extras extras);
    int conclude(int status);

    std::string name;
    platform::Instance instance;
    ScriptPlayer player;
    std::unique_ptr<session::TraceFile> trace;
    std::string traceName;
    std::optional<std::uint64_t> limit;
    std::uint64_t passCount = 0;
    std::uint32_t tick = 0;
    RunHooks hooks;
    std::unique_ptr<Program> program;
};
