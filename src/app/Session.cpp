#include "app/Session.h"

#include <iostream>

#include "app/CommandLineFiles.h"
#include "app/PlayerFolder.h"
#include "app/Program.h"
#include "log/Log.h"
#include "platform/Backend.h"
#include "platform/files/FileTap.h"
#include "platform/window/WindowSystem.h"

Session::Session(std::string name, platform::Instance instance)
    : name(std::move(name)), instance(instance) {}

Session::~Session() = default;

int Session::refuse(const std::string& message) const {
    std::cerr << name << ": " << message << '\n';
    return 2;
}

bool Session::readScript(const std::string& file) {
    session::InputScript script;
    std::string error;
    if (!session::readInputScript(file, script, error)) {
        refuse(error);
        return false;
    }
    player.load(std::move(script));
    return true;
}

bool Session::createTrace(const std::string& file) {
    trace = session::TraceFile::create(file);
    if (!trace) {
        refuse("--trace: cannot write \"" + file + "\"" + session::whyNotWritten(file));
        return false;
    }
    traceName = file;
    return true;
}

bool Session::settle(const std::filesystem::path& program, const std::string& given) {
    namespace fs = std::filesystem;
    std::error_code failure;
    if (!given.empty()) {
        fs::current_path(given, failure);
        if (!playerfolder::holdsBitmaps(".")) {
            std::cerr << name << ": \"" << given
                      << "\" holds none of the game's bitmaps, so only the stars will show; give "
                         "--dir the folder that holds them (build/game)\n";
        }
        return true;
    }
    if (const auto data = playerfolder::installedData(program)) {
        const auto folder = playerfolder::home();
        if (!folder || !playerfolder::enter(*data, *folder)) {
            refuse(std::string("cannot make the player's folder (") + playerfolder::homeSource +
                   ")");
            return false;
        }
        return true;
    }
    const fs::path here = fs::current_path(failure);
    if (playerfolder::holdsBitmaps(here)) return true;
    const fs::path own = program.parent_path();
    if (!own.empty() && playerfolder::holdsBitmaps(own)) {
        fs::current_path(own, failure);
        return true;
    }
    std::cerr << name << ": neither " << here << " nor the program's folder " << own
              << " holds the game's bitmaps, so only the stars will show; start it in the "
                 "folder that holds them (build/game), or install it\n";
    return true;
}

void Session::prepare(platform::Backend& backend, platform::ScriptedInput& input, Extras extras) {
    if (!logFile.is_open()) logFile.open("log.txt", std::ios::out | std::ios::trunc);
    platform::setBackend(&backend);
    platform::setFileTap(extras.files != nullptr ? extras.files : &player);
    hooks.beforePass = [this, &backend, &input, before = extras.beforePass](const Game&) {
        if (limit && passCount >= *limit) return false;
        tick = platform::tickCount();
        if (before) before(passCount);
        player.play(passCount, input, backend);
        return true;
    };
    hooks.afterPass = [this, after = extras.afterPass](const Game& game) {
        if (trace) trace->write(passCount, tick, game);
        if (after) after(passCount, game);
        ++passCount;
    };
}

int Session::conclude(int status) {
    platform::setFileTap(nullptr);
    platform::setBackend(nullptr);
    if (trace && !trace->close()) {
        std::cerr << name << ": cannot write \"" << traceName << "\"\n";
        return 1;
    }
    return status;
}

void Session::start(platform::Backend& backend, platform::ScriptedInput& input, Extras extras) {
    prepare(backend, input, std::move(extras));
    program = std::make_unique<Program>(instance, 1, hooks);
}

bool Session::pass() {
    return program && program->pass();
}

int Session::finish() {
    program.reset();
    return conclude(0);
}

int Session::run(platform::Backend& backend, platform::ScriptedInput& input, Extras extras) {
    prepare(backend, input, std::move(extras));
    return conclude(winMain(instance, 1, hooks));
}
