// corvanes-headless: the game's own start-up, loop and shutdown on the headless backend, with a
// virtual clock that moves 16 ms a pass, scripted input, a per-pass trace, screenshots and
// injected faults. See RunnerOptions.h and app/InputScript.h for the interface.
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>
#include <vector>

#include "RunnerOptions.h"
#include "app/InputScript.h"
#include "app/ScriptPlayer.h"
#include "app/Trace.h"
#include "app/WinMain.h"
#include "bmpwriter/BmpWriter.h"
#include "log/Log.h"
#include "platform/headless/HeadlessBackend.h"
#include "platform/video/WidenPixels.h"
#include "platform/window/WindowSystem.h"

// The log opens once the runner stands in its working directory, not before main.
const char* logFileAtStart() {
    return nullptr;
}

namespace {

namespace fs = std::filesystem;

int refuse(const std::string& message) {
    std::cerr << "corvanes-headless: " << message << '\n';
    return 2;
}

// The flipped frame as 8-bit components, each field widened by repeating its top bits.
platform::Bitmap picture(const platform::HeadlessBackend& backend) {
    platform::Bitmap b;
    b.width = backend.frameWidth();
    b.height = backend.frameHeight();
    b.pixels.resize(backend.lastFrame().size());
    platform::widen565(backend.lastFrame().data(), b.pixels.data(), b.pixels.size(), 0);
    return b;
}

}  // namespace

int main(int argc, char** argv) {
    runner::RunnerOptions options;
    std::string error;
    if (!runner::parseRunnerOptions(std::vector<std::string>(argv + 1, argv + argc), options,
                                    error)) {
        return refuse(error);
    }
    if (options.listFaults) {
        for (const platform::FaultEntry& entry : platform::faultTable) {
            std::cout << entry.name << '\n';
        }
        return 0;
    }

    // Everything is checked before anything is written.
    session::InputScript script;
    if (!options.input.empty() && !session::readInputScript(options.input, script, error)) {
        return refuse(error);
    }
    std::error_code failure;
    if (!options.dir.empty() && !fs::is_directory(options.dir, failure)) {
        return refuse("--dir: \"" + options.dir + "\" is no directory");
    }
    for (runner::Shot& shot : options.shots) {
        const fs::path file = fs::absolute(shot.file, failure);
        const fs::path folder = file.parent_path();
        if (failure || !fs::is_directory(folder, failure) || access(folder.c_str(), W_OK) != 0) {
            return refuse("--shot: cannot write \"" + shot.file + "\"");
        }
        shot.file = file.string();
    }
    std::unique_ptr<session::TraceFile> trace;
    if (!options.trace.empty()) {
        trace = session::TraceFile::create(options.trace);
        if (!trace) return refuse("--trace: cannot write \"" + options.trace + "\"");
    }
    if (!options.dir.empty()) fs::current_path(options.dir);
    logFile.open("log.txt", std::ios::out | std::ios::trunc);

    platform::HeadlessBackend backend;
    for (const runner::FaultRequest& f : options.faults) {
        if (f.call) {
            backend.fail(f.fault, 1, *f.call - 1);
        } else {
            backend.fail(f.fault);
        }
    }
    if (script.usesJoystick) backend.inputHardware().attachJoystick(true);
    platform::setBackend(&backend);

    ScriptPlayer player(std::move(script));
    std::uint64_t pass = 0;
    std::uint32_t tick = 0;
    bool shotsWritten = true;
    RunHooks hooks;
    hooks.beforePass = [&](const Game&) {
        if (pass >= options.frames) return false;
        tick = platform::tickCount();
        player.play(pass, backend.inputHardware(), backend);
        return true;
    };
    hooks.afterPass = [&](const Game& game) {
        if (trace) trace->write(pass, tick, game);
        for (const runner::Shot& shot : options.shots) {
            if (shot.pass != pass) continue;
            if (!bmpwriter::writeFile(shot.file, bmpwriter::encodeBmp(picture(backend)))) {
                std::cerr << "corvanes-headless: cannot write \"" << shot.file << "\"\n";
                shotsWritten = false;
            }
        }
        ++pass;
    };
    const int status = winMain(platform::Instance{argv[0]}, 1, hooks);
    platform::setBackend(nullptr);
    if (trace && !trace->close()) {
        std::cerr << "corvanes-headless: cannot write \"" << options.trace << "\"\n";
        return 1;
    }
    return shotsWritten ? status : 1;
}
