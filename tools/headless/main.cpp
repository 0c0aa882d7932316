// corvanes-headless: the game's own start-up, loop and shutdown on the headless backend, with a
// virtual clock that moves 16 ms a pass, scripted input, a per-pass trace, screenshots and
// injected faults. See RunnerOptions.h and app/InputScript.h for the interface.
#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#include "RunnerOptions.h"
#include "app/CommandLineFiles.h"
#include "app/Session.h"
#include "bmpwriter/BmpWriter.h"
#include "platform/files/Folders.h"
#include "platform/headless/HeadlessBackend.h"
#include "platform/video/WidenPixels.h"

// The log opens once the runner stands in its working directory, not before main.
const char* logFileAtStart() {
    return nullptr;
}

namespace {

namespace fs = std::filesystem;

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
    Session session("corvanes-headless", platform::Instance{argv[0]});
    runner::RunnerOptions options;
    std::string error;
    if (!runner::parseRunnerOptions(std::vector<std::string>(argv + 1, argv + argc), options,
                                    error)) {
        return session.refuse(error);
    }
    if (options.help) {
        std::cout << runner::runnerUsage;
        return 0;
    }
    if (options.listFaults) {
        for (const platform::FaultEntry& entry : platform::faultTable) {
            std::cout << entry.name << '\n';
        }
        return 0;
    }

    // Everything is checked before anything is written.
    if (!options.input.empty() && !session.readScript(options.input)) return 2;
    std::error_code failure;
    if (!options.dir.empty() && !fs::is_directory(options.dir, failure)) {
        return session.refuse("--dir: \"" + options.dir + "\" is no directory");
    }
    for (runner::Shot& shot : options.shots) {
        const fs::path file = fs::absolute(shot.file, failure);
        const fs::path folder = file.parent_path();
        if (failure || !fs::is_directory(folder, failure) || !platform::folderWritable(folder) ||
            fs::is_directory(file, failure)) {
            return session.refuse("--shot: cannot write \"" + shot.file + "\"" +
                                  session::whyNotWritten(shot.file));
        }
        if (shot.pass >= options.frames) {
            return session.refuse(
                "--shot: pass " + std::to_string(shot.pass) + " is never run: --frames " +
                std::to_string(options.frames) + " runs passes 0 to " +
                (options.frames == 0 ? std::string("none") : std::to_string(options.frames - 1)));
        }
        shot.file = file.string();
    }
    if (!options.trace.empty() && !session.createTrace(options.trace)) return 2;
    if (!session.settle(platform::programPath(), options.dir)) return 2;

    platform::HeadlessBackend backend;
    for (const runner::FaultRequest& f : options.faults) {
        if (f.call) {
            backend.fail(f.fault, 1, *f.call - 1);
        } else {
            backend.fail(f.fault);
        }
    }
    if (session.script().usesJoystick) backend.inputHardware().attachJoystick(true);

    bool shotsWritten = true;
    Session::Extras extras;
    extras.afterPass = [&](std::uint64_t pass, const Game&) {
        for (const runner::Shot& shot : options.shots) {
            if (shot.pass != pass) continue;
            if (!bmpwriter::writeFile(shot.file, bmpwriter::encodeBmp(picture(backend)))) {
                std::cerr << "corvanes-headless: cannot write \"" << shot.file << "\"\n";
                shotsWritten = false;
            }
        }
    };
    session.limitPasses(options.frames);
    const int status = session.run(backend, backend.inputHardware(), extras);
    return shotsWritten ? status : 1;
}
