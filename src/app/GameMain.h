#pragma once

#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "app/CommandLineFiles.h"
#include "app/GameOptions.h"
#include "app/Session.h"
#include "app/SessionRecorder.h"
#include "platform/files/Folders.h"
#include "platform/input/ScriptedInput.h"

// The game's own start, on the backend of the system's real devices (SdlBackend, Win32Backend):
// the command line checked before any window opens, the folder the game plays in, a session
// recorded or played back, and the run. Answers the exit status.
template <class Devices>
int gameMain(const std::vector<std::string>& args, platform::Instance instance) {
    Session session("corvanes", instance);
    GameOptions options;
    std::string error;
    if (!parseGameOptions(args, options, error)) return session.refuse(error);
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
            return session.refuse("--record: cannot write \"" + options.record + "\"" +
                                  session::whyNotWritten(options.record));
    }
    if (!options.trace.empty() && !session.createTrace(options.trace)) return 2;
    if (!session.settle(platform::programPath())) return 2;

    Devices backend;
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
