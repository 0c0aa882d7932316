// The game in a browser page: the session plumbing over the web backend, its passes run from the
// page's frame callback (or back to back with fast=1) instead of a blocking loop. See
// WebOptions.h for what the page's address may ask.
#include <emscripten.h>
#include <emscripten/html5.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "app/InputScript.h"
#include "app/Session.h"
#include "app/Trace.h"
#include "app/WebOptions.h"
#include "platform/web/WebBackend.h"
#include "platform/window/WindowSystem.h"

// The log opens once the game stands in the folder it plays in.
const char* logFileAtStart() {
    return nullptr;
}

namespace {

// The bitmaps and controls file are packed into the page's files here.
constexpr const char* gameFolder = "/game";
// The page's own scripts are fetched to here, under the names the address gives them.
constexpr const char* pageFolder = "/page";

EM_JS(char*, pageQuery, (), { return allocateUTF8(location.search); });
// What the page fetched before the game started; null when there was nothing.
EM_JS(char*, pageScript, (), {
    const text = Module.corvanesSetup.script;
    return typeof text == 'string' ? allocateUTF8(text) : 0;
});
EM_JS(char*, pageStoredControls, (), {
    const text = Module.corvanesSetup.controls;
    return typeof text == 'string' ? allocateUTF8(text) : 0;
});
EM_JS(void, pagePublish, (double passes, const char* trace, const char* log),
      { Module.corvanesPage.publish(passes, UTF8ToString(trace), UTF8ToString(log)); });
EM_JS(void, pageFirstPass, (), { Module.corvanesPage.firstPass(); });
EM_JS(void, pageStats, (const double* times, int count),
      { Module.corvanesPage.stats(HEAPF64.subarray(times >> 3, (times >> 3) + count)); });
EM_JS(void, pageError, (const char* message), { Module.corvanesPage.fail(UTF8ToString(message)); });
EM_JS(void, pageDone, (int status), { Module.corvanesPage.done(status); });

std::string taken(char* text) {
    if (text == nullptr) return {};
    std::string out = text;
    std::free(text);
    return out;
}

// The log's new lines since the last look: the game writes log.txt and flushes every line.
class LogFollower {
public:
    void take(std::string& out) {
        std::FILE* file = std::fopen("log.txt", "rb");
        if (file == nullptr) return;
        std::fseek(file, offset, SEEK_SET);
        char block[4096];
        std::size_t got;
        while ((got = std::fread(block, 1, sizeof block, file)) > 0) {
            partial.append(block, got);
            offset += static_cast<long>(got);
        }
        std::fclose(file);
        const std::size_t end = partial.rfind('\n');
        if (end == std::string::npos) return;
        out.append(partial, 0, end + 1);
        partial.erase(0, end + 1);
    }

private:
    long offset = 0;
    std::string partial;
};

struct WebRun {
    WebOptions options;
    Session session{"corvanes", platform::Instance{"corvanes"}};
    std::unique_ptr<platform::WebBackend> backend;
    platform::FramePacer pacer{16};
    LogFollower logFollower;
    std::string trace;
    std::string log;
    std::uint32_t tick = 0;
    std::vector<double> passTimes;
    bool firstPassShown = false;
};

WebRun* run = nullptr;

void publish() {
    run->logFollower.take(run->log);
    pagePublish(static_cast<double>(run->session.passes()), run->trace.c_str(), run->log.c_str());
    run->trace.clear();
    run->log.clear();
    if (!run->firstPassShown && run->session.passes() > 0) {
        run->firstPassShown = true;
        pageFirstPass();
    }
}

void end() {
    const int status = run->session.finish();
    publish();
    if (run->options.stats) {
        pageStats(run->passTimes.data(), static_cast<int>(run->passTimes.size()));
    }
    pageDone(status);
}

// One pass, and the picture on the canvas when `draw`; false once the game has ended.
bool step(bool draw) {
    const double start = emscripten_get_now();
    if (run->options.input.empty()) {
        run->backend->beginPass(static_cast<std::uint32_t>(start));
    }
    const bool more = run->session.pass();
    if (draw) run->backend->draw();
    if (run->options.stats) run->passTimes.push_back(emscripten_get_now() - start);
    return more;
}

EM_BOOL frame(double time, void*) {
    if (!run->pacer.due(time)) return EM_TRUE;
    const bool more = step(true);
    publish();
    if (!more) end();
    return more ? EM_TRUE : EM_FALSE;
}

// Passes back to back for a while, then the last picture, then the browser's turn.
void slice(void*) {
    const double until = emscripten_get_now() + 40;
    bool more = true;
    do {
        more = step(false);
    } while (more && emscripten_get_now() < until);
    run->backend->draw();
    publish();
    if (more) {
        emscripten_set_timeout(slice, 0, nullptr);
    } else {
        end();
    }
}

int refuse(const std::string& message) {
    pageError(message.c_str());
    return 2;
}

// Puts the page's copy of the script where its name leads, under the page's folder.
void placeScript(const std::string& name) {
    namespace fs = std::filesystem;
    std::error_code failure;
    fs::create_directories(pageFolder, failure);
    fs::current_path(pageFolder, failure);
    char* text = pageScript();
    if (text == nullptr) return;
    fs::create_directories(fs::path(name).parent_path(), failure);
    std::ofstream(name, std::ios::binary) << taken(text);
}

}  // namespace

// The page's fields took the keys: the game's read as released.
extern "C" EMSCRIPTEN_KEEPALIVE void corvanes_release_keys() {
    if (run != nullptr && run->backend) run->backend->releaseKeys();
}

int main() {
    run = new WebRun;
    WebOptions& options = run->options;
    std::string error;
    if (!parseWebOptions(taken(pageQuery()), options, error)) return refuse(error);
    Session& session = run->session;
    const bool scripted = !options.input.empty();
    if (scripted) {
        placeScript(options.input);
        // The script is read once to name its fault here; the session then reads it for play.
        session::InputScript script;
        if (!session::readInputScript(options.input, script, error)) return refuse(error);
        if (!session.readScript(options.input)) return refuse("cannot read " + options.input);
    }
    if (!session.settle(std::string(gameFolder) + "/corvanes", gameFolder)) {
        return refuse("cannot enter the game's folder");
    }
    // The player's own controls file, from the browser's storage; a script plays with its own.
    if (!scripted) {
        if (char* controls = pageStoredControls()) {
            std::ofstream("controls.cfg", std::ios::binary) << taken(controls);
        }
    }
    run->backend = std::make_unique<platform::WebBackend>(scripted);
    if (session.script().usesJoystick) run->backend->scriptedInput().attachJoystick(true);
    if (options.frames) session.limitPasses(*options.frames);

    Session::Extras extras;
    extras.beforePass = [](std::uint64_t) { run->tick = platform::tickCount(); };
    if (options.trace) {
        extras.afterPass = [](std::uint64_t pass, const Game& game) {
            session::appendTraceLine(run->trace, pass, run->tick, game);
        };
    }
    session.start(*run->backend, run->backend->scriptedInput(), extras);
    publish();
    if (options.fast) {
        emscripten_set_timeout(slice, 0, nullptr);
    } else {
        emscripten_request_animation_frame_loop(frame, nullptr);
    }
    return 0;
}
