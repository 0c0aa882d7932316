#include "support/GameTest.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <map>

#include "app/WinMain.h"
#include "graphics/BmpDecoder.h"
#include "platform/Random.h"
#include "platform/video/PixelFormat.h"
#include "player/Corvane.h"
#include "player/VoskBullet.h"

void GameTest::SetUp() {
    HeadlessTest::SetUp();
    copyGameFiles();
    restart();
}

void GameTest::TearDown() {
    game.reset();
    window.reset();
    for (int key : held) backend.inputHardware().setKey(key, false);
    backend.inputHardware().setMouseButton(0, false);
    HeadlessTest::TearDown();
}

void GameTest::restart() {
    game.reset();
    platform::srand(1);
    // The program has one window, which outlives its Window object: every game shares it.
    if (!window) {
        window = std::make_unique<Window>(platform::Instance{}, "CorvanesEngine", messageHandler,
                                          800, 600);
    }
    game = std::make_unique<TestGame>(platform::Instance{}, window->getWindowHandle(), 800, 600);
    startLines = logLines().size();
}

void GameTest::frame(std::initializer_list<int> keys, bool leftButton) {
    platform::ScriptedInput& input = backend.inputHardware();
    for (int key : held) input.setKey(key, false);
    held.assign(keys.begin(), keys.end());
    for (int key : held) input.setKey(key, true);
    if (leftButton != buttonHeld) input.setMouseButton(0, leftButton);
    buttonHeld = leftButton;
    game->gameLoop();
}

void GameTest::frames(int count, std::initializer_list<int> keys) {
    for (int i = 0; i < count; ++i) frame(keys);
}

void GameTest::moveMouseTo(int x, int y) {
    backend.inputHardware().moveMouse(x - game->mouseX, y - game->mouseY);
}

void GameTest::enterNavigation() {
    game->mode = 2;
    frame();
    ASSERT_EQ(game->phase, 1) << ::testing::PrintToString(logLines());
}

void GameTest::hold(Bullet& bullet, platform::Point p) {
    bullet.setLocation(p.x, p.y);
    bullet.setVelocity(0, 0);
    bullet.setActive(true);
}

void GameTest::destroyCraft() {
    const platform::Point at = game->player->getLocation();
    // The craft's hit box is (20, 20, 60, 60) from its corner.
    hold(*game->enemyBullets[0], {at.x + 40, at.y + 40});
    game->detectHits();
    ASSERT_FALSE(game->player->isAlive());
}

bool GameTest::shows(platform::Rect screen, const std::string& file, platform::Rect cell,
                     platform::Rect skip) const {
    static std::map<std::string, platform::Bitmap> decoded;
    platform::Bitmap& b = decoded[file];
    if (b.pixels.empty()) {
        std::ifstream in(std::string(CORVANES_GAME_DIR) + "/" + file, std::ios::binary);
        EXPECT_TRUE(
            decodeBmp(std::vector<std::uint8_t>{std::istreambuf_iterator<char>(in), {}}, b));
    }
    int opaque = 0;
    for (int dy = 0; dy < screen.height(); ++dy) {
        for (int dx = 0; dx < screen.width(); ++dx) {
            const platform::Point at{screen.left + dx, screen.top + dy};
            if (at.x < 0 || at.y < 0 || at.x >= 800 || at.y >= 600) continue;
            if (platform::ptInRect(skip, at)) continue;
            // The blitter's nearest-neighbour sampling.
            const std::uint32_t rgb =
                b.at(cell.left + ((dx * ((cell.width() << 16) / screen.width())) >> 16),
                     cell.top + ((dy * ((cell.height() << 16) / screen.height())) >> 16));
            const std::uint16_t pixel = platform::rgbTo565(rgb >> 16, rgb >> 8, rgb);
            if (pixel == 0) continue;
            ++opaque;
            if (backend.framePixel(at.x, at.y) != pixel) return false;
        }
    }
    return opaque > 0;
}

int GameTest::litPixels() const {
    const auto& f = backend.lastFrame();
    return static_cast<int>(f.size()) - static_cast<int>(std::count(f.begin(), f.end(), 0));
}

std::vector<std::string> GameTest::newLogLines() const {
    std::vector<std::string> lines = logLines();
    lines.erase(lines.begin(), lines.begin() + static_cast<std::ptrdiff_t>(startLines));
    return lines;
}
