#include <filesystem>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "app/CommandLineFiles.h"
#include "app/GameOptions.h"
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
    if (options.help) {
        std::cout << gameUsage;
        return 0;
    }
    // Files named on the command line are where the player stands, whatever folder the game
    // then plays in; all of them are checked before any window opens.
    if (!options.playback.empty() && !session.readScript(options.playback)) return 2;
    std::unique_ptr<SessionRecorder> recorder;
    if (!options.record.empty()) {
        recorder = SessionRecorder::create(options.record);
        if (!recorder)
            return session.refuse("--record: cannot write \"" + options.record +
                                  "\"" + session::whyNotWritten(options.record));
    }
    if (!options.trace.empty() && !session.createTrace(options.trace)) return 2;
    std::error_code failure;
    if (!session.settle(std::filesystem::canonical("/proc/self/exe", failure))) return 2;

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
        extras.files = recorder.get();
    }
    const int status = session.run(backend, scripted, extras);
    backend.setTap(nullptr);
    return status;
}
