// Loads arbitrary bytes as a sound through the headless backend, the way the game does, and
// plays whatever loads: at its own rate, then sped up, looping.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "log/Log.h"
#include "platform/headless/HeadlessBackend.h"
#include "sound/Sound.h"
#include "sound/SoundEngine.h"

namespace {

struct Rig {
    platform::HeadlessBackend backend;
    std::unique_ptr<SoundEngine> engine;
    std::string path;
    std::vector<std::int16_t> frames = std::vector<std::int16_t>(2 * 4096);

    Rig() {
        // Millions of failure lines would only fill the disk.
        logFile.close();
        platform::setBackend(&backend);
        engine =
            std::make_unique<SoundEngine>(backend.createWindow("CorvanesEngine", 0, 0, 800, 600));
        // A file system in memory, where there is one, keeps the runs fast.
        const std::filesystem::path shm = "/dev/shm";
        const auto dir =
            std::filesystem::is_directory(shm) ? shm : std::filesystem::temp_directory_path();
        path = (dir / ("corvanes-soundload-" + std::to_string(getpid()) + ".wav")).string();
    }
    ~Rig() {
        std::error_code ignored;
        std::filesystem::remove(path, ignored);
    }
};

Rig& rig() {
    static Rig instance;
    return instance;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Rig& r = rig();
    {
        std::ofstream out(r.path, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    }
    Sound sound(r.engine->getDSObject(), r.path);
    if (sound.getSoundBuffer() == nullptr) return 0;
    r.engine->playSound(&sound, 0);
    r.backend.renderAudio(r.frames);
    sound.setFreq(100000);
    sound.setPan(-3000);
    r.engine->playSound(&sound, 1);
    r.backend.renderAudio(r.frames);
    r.engine->stopSound(&sound);
    return 0;
}
