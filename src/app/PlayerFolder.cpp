#include "app/PlayerFolder.h"

namespace playerfolder {

namespace fs = std::filesystem;

bool holdsBitmaps(const fs::path& folder) {
    static constexpr const char* bitmaps[] = {
        "hx4fighter_extras.bmp", "hx4standmech.bmp",    "hx4hovermech.bmp",     "hx4trans.bmp",
        "alzbullet.bmp",         "voskbullet.bmp",      "raider.bmp",           "drone.bmp",
        "flagship1.bmp",         "voskcommandship.bmp", "vosktroopcarrier.bmp", "voskdestroyer.bmp",
        "explosion1.bmp",        "explosion2.bmp",      "navscreen.bmp",        "cursor.bmp",
        "selections.bmp"};
    std::error_code failure;
    for (const char* name : bitmaps) {
        if (fs::is_regular_file(folder / name, failure)) return true;
    }
    return false;
}

}  // namespace playerfolder
