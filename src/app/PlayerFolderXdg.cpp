// The XDG rule of Linux desktops.
#include <cstdlib>

#include "app/PlayerFolder.h"

namespace playerfolder {

namespace fs = std::filesystem;

const char* const homeSource = "XDG_DATA_HOME or HOME";

std::optional<fs::path> installedData(const fs::path& program) {
    std::error_code failure;
    const fs::path data = program.parent_path().parent_path() / "share" / "corvanes";
    if (!fs::is_regular_file(data / "controls.cfg", failure)) return std::nullopt;
    return data;
}

std::optional<fs::path> home() {
    const char* xdg = std::getenv("XDG_DATA_HOME");
    if (xdg != nullptr && xdg[0] == '/') return fs::path(xdg) / "corvanes";
    const char* user = std::getenv("HOME");
    if (user != nullptr && user[0] != '\0') {
        return fs::path(user) / ".local" / "share" / "corvanes";
    }
    return std::nullopt;
}

bool enter(const fs::path& data, const fs::path& folder) {
    std::error_code failure;
    fs::create_directories(folder, failure);
    if (!fs::is_directory(folder, failure)) return false;
    const fs::path controls = folder / "controls.cfg";
    if (!fs::exists(fs::symlink_status(controls, failure))) {
        fs::copy_file(data / "controls.cfg", controls, failure);
    }
    for (const auto& entry : fs::directory_iterator(data, failure)) {
        if (entry.path().extension() != ".bmp") continue;
        const fs::path link = folder / entry.path().filename();
        const fs::file_status status = fs::symlink_status(link, failure);
        // A link of ours is renewed, in case the game was installed elsewhere since.
        if (fs::is_symlink(status)) fs::remove(link, failure);
        if (!fs::exists(fs::symlink_status(link, failure))) {
            fs::create_symlink(entry.path(), link, failure);
        }
    }
    fs::current_path(folder, failure);
    return !failure;
}

}  // namespace playerfolder
