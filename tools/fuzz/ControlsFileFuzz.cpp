// Reads arbitrary bytes as the controls file, and checks the pilot against the plainest reading
// of the same rules: line by line, two slashes make a comment, and each other line is read the
// way an input stream reads an int.
#include <unistd.h>

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>

#include "log/Log.h"
#include "player/Pilot.h"

namespace {

using Entries = std::array<int, 12>;

Entries read(const Pilot& p) {
    return {p.usingJoystick() ? 1 : 0, p.getInputFacing(),   p.getInputAcceleration(),
            p.getInputShootStr(),      p.getInputShootUp(),  p.getInputShootDown(),
            p.getInputModeUp(),        p.getInputModeDown(), p.getKeyboardUp(),
            p.getKeyboardDown(),       p.getKeyboardLeft(),  p.getKeyboardRight()};
}

Entries reference(const std::string& text, const Entries& defaults) {
    Entries e = defaults;
    std::istringstream file(text);
    std::optional<int> last;
    int entry = 0;
    for (std::string line; entry < 12 && std::getline(file, line);) {
        if (line.find("//") != std::string::npos) continue;
        std::istringstream in(line);
        int value = 0;
        if (in >> value) last = value;
        if (entry == 0 && (last == 0 || last == 1)) e[0] = *last;
        if (entry > 0 && last) e[static_cast<std::size_t>(entry)] = *last;
        ++entry;
    }
    return e;
}

struct Rig {
    Entries defaults;

    Rig() {
        // A file system in memory, where there is one, keeps the runs fast.
        const std::filesystem::path shm = "/dev/shm";
        const auto dir =
            (std::filesystem::is_directory(shm) ? shm : std::filesystem::temp_directory_path()) /
            ("corvanes-controls-" + std::to_string(getpid()));
        std::filesystem::create_directories(dir);
        std::filesystem::current_path(dir);
        // Millions of refused flags would only fill the disk.
        logFile.close();
        defaults = read(Pilot("blah"));
    }
};

Rig& rig() {
    static Rig instance;
    return instance;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Rig& r = rig();
    const std::string text(reinterpret_cast<const char*>(data), size);
    {
        std::ofstream out("controls.cfg", std::ios::binary | std::ios::trunc);
        out << text;
    }
    if (read(Pilot("blah")) != reference(text, r.defaults)) std::abort();
    return 0;
}
