#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "app/GameOptions.h"
#include "app/PlayerFolder.h"
#include "app/Session.h"
#include "app/SessionRecorder.h"
#include "platform/input/ScriptedInput.h"
#include "platform/sdl/SdlBackend.h"

// The log opens once the game stands in the folder it plays in.
const char* logFileAtStart() {
    return nullptr;
}

int main(int argc, char** argv) {
    Session session("corvanes", platform::Instance{argv[0]});
    GameOptions options;
    std::string error;
    if (!parseGameOptions(std::vector<std::string>(argv + 1, argv + argc), options, error)) {
        return session.refuse(error);
    }
    // Files named on the command line are where the player stands, whatever folder the game
    // then plays in; all of them are checked before any window opens.
    if (!options.playback.empty() && !session.readScript(options.playback)) return 2;
    std::unique_ptr<SessionRecorder> recorder;
    if (!options.record.empty()) {
        recorder = SessionRecorder::create(options.record);
        if (!recorder) return session.refuse("--record: cannot write \"" + options.record + "\"");
    }
    if (!options.trace.empty() && !session.createTrace(options.trace)) return 2;
    std::error_code failure;
    const std::filesystem::path program = std::filesystem::canonical("/proc/self/exe", failure);
    if (const auto data = playerfolder::installedData(program)) {
        const auto folder = playerfolder::home();
        if (!folder || !playerfolder::enter(*data, *folder)) {
            return session.refuse("cannot make the player's folder (XDG_DATA_HOME or HOME)");
        }
    }

    platform::SdlBackend backend;
    platform::ScriptedInput scripted;
    if (!options.playback.empty()) {
        if (session.script().usesJoystick) scripted.attachJoystick(true);
        backend.playBack(&scripted);
    }
    Session::Extras extras;
    if (recorder) {
        backend.setTap(recorder.get());
        extras.beforePass = [&](std::uint64_t pass) { recorder->beginPass(pass); };
        extras.afterPass = [&](std::uint64_t, const Game&) { recorder->endPass(); };
    }
    const int status = session.run(backend, scripted, extras);
    backend.setTap(nullptr);
    return status;
}
