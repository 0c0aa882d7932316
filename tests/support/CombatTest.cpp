#include "support/CombatTest.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <map>

#include "graphics/BmpDecoder.h"
#include "platform/video/PixelFormat.h"

void CombatTest::SetUp() {
    EngineTest::SetUp();
    for (const char* file : {"alzbullet.bmp", "voskbullet.bmp", "raider.bmp", "drone.bmp",
                             "explosion1.bmp", "explosion2.bmp"}) {
        copyGameFile(file);
    }
    start();
}

void CombatTest::frame(const std::function<void()>& work) {
    engine->work = [&work](ScriptedEngine&) { work(); };
    engine->gameLoop();
}

bool CombatTest::shows(platform::Rect r, const std::string& file,
                       const std::vector<platform::Rect>& frames) const {
    static std::map<std::string, platform::Bitmap> decoded;
    platform::Bitmap& b = decoded[file];
    if (b.pixels.empty()) {
        std::ifstream in(std::string(CORVANES_GAME_DIR) + "/" + file, std::ios::binary);
        EXPECT_TRUE(
            decodeBmp(std::vector<std::uint8_t>{std::istreambuf_iterator<char>(in), {}}, b));
    }
    const platform::Rect view = camera.getView();
    for (int dy = 0; dy < r.height(); ++dy) {
        for (int dx = 0; dx < r.width(); ++dx) {
            std::uint16_t expected = 0;
            for (const platform::Rect& f : frames) {
                // The blitter's nearest-neighbour sampling.
                const std::uint32_t rgb =
                    b.at(f.left + ((dx * ((f.width() << 16) / r.width())) >> 16),
                         f.top + ((dy * ((f.height() << 16) / r.height())) >> 16));
                const std::uint16_t pixel = platform::rgbTo565(rgb >> 16, rgb >> 8, rgb);
                if (pixel != 0) expected = pixel;
            }
            if (backend.framePixel(r.left - view.left + dx, r.top - view.top + dy) != expected) {
                return false;
            }
        }
    }
    return true;
}

int CombatTest::litPixels() const {
    const auto& f = backend.lastFrame();
    return static_cast<int>(f.size()) - static_cast<int>(std::count(f.begin(), f.end(), 0));
}
