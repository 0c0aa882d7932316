#include <filesystem>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "app/GameOptions.h"
#include "app/InputScript.h"
#include "app/PlayerFolder.h"
#include "app/ScriptPlayer.h"
#include "app/SessionRecorder.h"
#include "app/Trace.h"
#include "app/WinMain.h"
#include "log/Log.h"
#include "platform/sdl/SdlBackend.h"
#include "platform/window/WindowSystem.h"

// The log opens once the game stands in the folder it plays in.
const char* logFileAtStart() {
    return nullptr;
}

namespace {

int refuse(const std::string& message) {
    std::cerr << "corvanes: " << message << '\n';
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    GameOptions options;
    std::string error;
    if (!parseGameOptions(std::vector<std::string>(argv + 1, argv + argc), options, error)) {
        return refuse(error);
    }
    // Files named on the command line are where the player stands, whatever folder the game
    // then plays in; all of them are checked before any window opens.
    session::InputScript script;
    if (!options.playback.empty() && !session::readInputScript(options.playback, script, error)) {
        return refuse(error);
    }
    std::unique_ptr<SessionRecorder> recorder;
    if (!options.record.empty()) {
        recorder = SessionRecorder::create(options.record);
        if (!recorder) return refuse("--record: cannot write \"" + options.record + "\"");
    }
    std::unique_ptr<session::TraceFile> trace;
    if (!options.trace.empty()) {
        trace = session::TraceFile::create(options.trace);
        if (!trace) return refuse("--trace: cannot write \"" + options.trace + "\"");
    }
    std::error_code failure;
    const std::filesystem::path program = std::filesystem::canonical("/proc/self/exe", failure);
    if (const auto data = playerfolder::installedData(program)) {
        const auto folder = playerfolder::home();
        if (!folder || !playerfolder::enter(*data, *folder)) {
            return refuse("cannot make the player's folder (XDG_DATA_HOME or HOME)");
        }
    }
    logFile.open("log.txt", std::ios::out | std::ios::trunc);

    platform::SdlBackend backend;
    platform::ScriptedInput scripted;
    if (!options.playback.empty()) {
        if (script.usesJoystick) scripted.attachJoystick(true);
        backend.playBack(&scripted);
    }
    if (recorder) backend.setTap(recorder.get());
    platform::setBackend(&backend);

    ScriptPlayer player(std::move(script));
    std::uint64_t pass = 0;
    std::uint32_t tick = 0;
    RunHooks hooks;
    hooks.beforePass = [&](const Game&) {
        tick = platform::tickCount();
        if (recorder) recorder->beginPass(pass);
        player.play(pass, scripted, backend);
        return true;
    };
    hooks.afterPass = [&](const Game& game) {
        if (trace) trace->write(pass, tick, game);
        if (recorder) recorder->endPass();
        ++pass;
    };
    const int status = winMain(platform::Instance{argv[0]}, 1, hooks);
    backend.setTap(nullptr);
    platform::setBackend(nullptr);
    if (trace && !trace->close()) {
        std::cerr << "corvanes: cannot write \"" << options.trace << "\"\n";
        return 1;
    }
    return status;
}
