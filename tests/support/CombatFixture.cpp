#include "support/CombatFixture.h"

#include "support/Sheets.h"

void CombatFixture::SetUp() {
    EngineTest::SetUp();
    for (const char* file : {"alzbullet.bmp", "voskbullet.bmp", "raider.bmp", "drone.bmp",
                             "explosion1.bmp", "explosion2.bmp"}) {
        copyGameFile(file);
    }
    start();
}

void CombatFixture::frame(const std::function<void()>& work) {
    engine->work = [&work](ScriptedEngine&) { work(); };
    engine->gameLoop();
}

bool CombatFixture::shows(platform::Rect r, const std::string& file,
                          const std::vector<platform::Rect>& frames) const {
    const platform::Bitmap& b = gameSheet(file);
    const platform::Rect view = camera.getView();
    for (int dy = 0; dy < r.height(); ++dy) {
        for (int dx = 0; dx < r.width(); ++dx) {
            std::uint16_t expected = 0;
            for (const platform::Rect& f : frames) {
                const std::uint16_t pixel = stretchedPixel(b, f, r.width(), r.height(), dx, dy);
                if (pixel != 0) expected = pixel;
            }
            if (backend.framePixel(r.left - view.left + dx, r.top - view.top + dy) != expected) {
                return false;
            }
        }
    }
    return true;
}
