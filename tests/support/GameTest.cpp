#include "support/GameTest.h"

#include "app/WinMain.h"
#include "platform/Random.h"
#include "player/Corvane.h"
#include "player/VoskBullet.h"
#include "support/Sheets.h"

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
    const platform::Bitmap& b = gameSheet(file);
    int opaque = 0;
    for (int dy = 0; dy < screen.height(); ++dy) {
        for (int dx = 0; dx < screen.width(); ++dx) {
            const platform::Point at{screen.left + dx, screen.top + dy};
            if (at.x < 0 || at.y < 0 || at.x >= 800 || at.y >= 600) continue;
            if (platform::ptInRect(skip, at)) continue;
            const std::uint16_t pixel =
                stretchedPixel(b, cell, screen.width(), screen.height(), dx, dy);
            if (pixel == 0) continue;
            ++opaque;
            if (backend.framePixel(at.x, at.y) != pixel) return false;
        }
    }
    return opaque > 0;
}
