// The Windows rule: the game is one folder, and a player who cannot write there plays in a
// folder of their own, seeded with copies.
#include <cstdlib>
#include <fstream>
#include <iterator>

#include "app/PlayerFolder.h"
#include "platform/files/Folders.h"

namespace playerfolder {

namespace fs = std::filesystem;

const char* const homeSource = "LOCALAPPDATA";

namespace {

bool sameBytes(const fs::path& a, const fs::path& b) {
    std::error_code failure;
    if (fs::file_size(a, failure) != fs::file_size(b, failure) || failure) return false;
    std::ifstream first(a, std::ios::binary);
    std::ifstream second(b, std::ios::binary);
    return first && second &&
           std::equal(std::istreambuf_iterator<char>(first), std::istreambuf_iterator<char>(),
                      std::istreambuf_iterator<char>(second), std::istreambuf_iterator<char>());
}

}  // namespace

std::optional<fs::path> installedData(const fs::path& program) {
    std::error_code failure;
    const fs::path own = program.parent_path();
    if (own.empty() || !fs::is_regular_file(own / "controls.cfg", failure) || !holdsBitmaps(own)) {
        return std::nullopt;
    }
    const fs::path here = fs::current_path(failure);
    if (!failure && holdsBitmaps(here) && platform::folderWritable(here)) return std::nullopt;
    return own;
}

std::optional<fs::path> home() {
    const wchar_t* local = _wgetenv(L"LOCALAPPDATA");
    if (local == nullptr || local[0] == L'\0') return std::nullopt;
    return fs::path(local) / "Corvanes";
}

bool enter(const fs::path& data, const fs::path& folder) {
    std::error_code failure;
    fs::create_directories(folder, failure);
    if (!fs::is_directory(folder, failure)) return false;
    const fs::path controls = folder / "controls.cfg";
    if (!fs::exists(controls, failure)) fs::copy_file(data / "controls.cfg", controls, failure);
    for (const auto& entry : fs::directory_iterator(data, failure)) {
        if (entry.path().extension() != ".bmp") continue;
        const fs::path copy = folder / entry.path().filename();
        // A new version of the game brings new bitmaps.
        // Removed first: this runtime takes any two files for the same one and will not
        // overwrite.
        if (!sameBytes(entry.path(), copy)) {
            fs::remove(copy, failure);
            fs::copy_file(entry.path(), copy, failure);
        }
    }
    fs::current_path(folder, failure);
    return !failure;
}

}  // namespace playerfolder
