#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/WinMain.h"
#include "app/Window.h"
#include "game/Game.h"
#include "graphics/GraphicsEngine.h"
#include "platform/video/Font.h"
#include "support/HeadlessTest.h"

namespace {

constexpr int screenWidth = 800;
constexpr int screenHeight = 600;

// A dim blue-green that no test draws with, so untouched pixels stand out from ink.
constexpr int backdropRed = 3;
constexpr int backdropGreen = 17;
constexpr int backdropBlue = 9;
const std::uint16_t backdrop =
    GraphicsEngine::packColor(565, backdropRed, backdropGreen, backdropBlue);

// A game whose frame paints the backdrop and then whatever the test asks for.
class TextGame : public Game {
public:
    using Game::Game;
    std::function<void(GameEngine&)> work;

    void gameWork() override {
        graphics->clearBuffer(graphics->getBackbuffer(), backdropRed, backdropGreen, backdropBlue);
        if (work) work(*this);
    }
};

using Frame = std::vector<std::uint16_t>;

std::size_t at(int x, int y) {
    return static_cast<std::size_t>(y) * screenWidth + static_cast<std::size_t>(x);
}

// The backdrop with the ink of `text` on top, cut to the screen.
Frame expectedFrame(const std::string& text, int x, int y, std::uint16_t ink) {
    Frame frame(static_cast<std::size_t>(screenWidth) * screenHeight, backdrop);
    for (std::size_t i = 0; i < text.size(); ++i) {
        const std::uint8_t* rows = platform::font::glyph(static_cast<unsigned char>(text[i]));
        const int left = x + static_cast<int>(i) * platform::font::cellWidth;
        for (int gy = 0; gy < platform::font::cellHeight; ++gy) {
            for (int gx = 0; gx < platform::font::cellWidth; ++gx) {
                const int px = left + gx;
                const int py = y + gy;
                if (px < 0 || py < 0 || px >= screenWidth || py >= screenHeight) continue;
                if (rows[gy] & (0x80 >> gx)) frame[at(px, py)] = ink;
            }
        }
    }
    return frame;
}

Frame blankFrame() {
    return Frame(static_cast<std::size_t>(screenWidth) * screenHeight, backdrop);
}

::testing::AssertionResult sameFrame(const Frame& actual, const Frame& expected) {
    if (actual.size() != expected.size()) {
        return ::testing::AssertionFailure()
               << "frame of " << actual.size() << " pixels, not " << expected.size();
    }
    int wrong = 0;
    std::string first;
    for (int y = 0; y < screenHeight; ++y) {
        for (int x = 0; x < screenWidth; ++x) {
            if (actual[at(x, y)] == expected[at(x, y)]) continue;
            if (wrong++ == 0) {
                first = "(" + std::to_string(x) + ", " + std::to_string(y) + ") is " +
                        std::to_string(actual[at(x, y)]) + ", not " +
                        std::to_string(expected[at(x, y)]);
            }
        }
    }
    if (wrong == 0) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << wrong << " pixels differ; first " << first;
}

int count(const Frame& frame, std::uint16_t value) {
    int n = 0;
    for (std::uint16_t pixel : frame) n += pixel == value ? 1 : 0;
    return n;
}

}  // namespace

class DrawTextTest : public HeadlessTest {
protected:
    void SetUp() override {
        HeadlessTest::SetUp();
        window = std::make_unique<Window>(platform::Instance{}, "CorvanesEngine", messageHandler,
                                          screenWidth, screenHeight);
        game = std::make_unique<TextGame>(platform::Instance{}, window->getWindowHandle(),
                                          screenWidth, screenHeight);
    }

    void TearDown() override {
        game.reset();
        window.reset();
        HeadlessTest::TearDown();
    }

    // Runs one frame with `draw` as its work and answers the frame shown.
    Frame frameWith(std::function<void(GameEngine&)> draw) {
        game->work = std::move(draw);
        game->gameLoop();
        return backend.lastFrame();
    }

    Frame frameWithText(const std::string& text, int x, int y, int red, int green, int blue) {
        return frameWith(
            [&](GameEngine& engine) { engine.drawText(text, x, y, red, green, blue); });
    }

    std::unique_ptr<Window> window;
    std::unique_ptr<TextGame> game;
};

TEST_F(DrawTextTest, WhiteTextIsEveryBitSet) {
    const Frame frame = frameWithText("Corvanes", 100, 120, 255, 255, 255);
    EXPECT_TRUE(sameFrame(frame, expectedFrame("Corvanes", 100, 120, 0xFFFF)));
    EXPECT_GT(count(frame, 0xFFFF), 0);
}

TEST_F(DrawTextTest, ComponentsAreTruncatedTo565AndOnlyTheirLowEightBitsCount) {
    struct Case {
        int red;
        int green;
        int blue;
        std::uint16_t pixel;
    };
    const Case cases[] = {
        {256 + 8, 4, 8, 0x0821},
        {255, 0, 0, 0xF800},
        {0, 255, 0, 0x07E0},
        {0, 0, 255, 0x001F},
        {7, 3, 7, 0x0000},
        {15, 7, 15, 0x0821},
        {512 + 248, 256 + 252, -8, 0xFFFF},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.red) + ", " + std::to_string(c.green) + ", " +
                     std::to_string(c.blue));
        const Frame frame = frameWithText("Ship 7", 40, 60, c.red, c.green, c.blue);
        EXPECT_TRUE(sameFrame(frame, expectedFrame("Ship 7", 40, 60, c.pixel)));
    }
}

TEST_F(DrawTextTest, PaperInsideTheCellsKeepsWhatWasUnderneath) {
    const std::string text = "W@g#";
    const Frame frame = frameWithText(text, 300, 200, 255, 255, 0);
    const std::uint16_t ink = 0xFFE0;
    int paper = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const std::uint8_t* rows = platform::font::glyph(static_cast<unsigned char>(text[i]));
        for (int gy = 0; gy < platform::font::cellHeight; ++gy) {
            for (int gx = 0; gx < platform::font::cellWidth; ++gx) {
                const int x = 300 + static_cast<int>(i) * platform::font::cellWidth + gx;
                const std::uint16_t pixel = frame[at(x, 200 + gy)];
                if (rows[gy] & (0x80 >> gx)) {
                    EXPECT_EQ(pixel, ink) << x << ", " << 200 + gy;
                } else {
                    EXPECT_EQ(pixel, backdrop) << x << ", " << 200 + gy;
                    ++paper;
                }
            }
        }
    }
    EXPECT_GT(paper, 0);
}

TEST_F(DrawTextTest, EachCharacterMovesEightPixelsRight) {
    const Frame together = frameWithText("AB", 200, 300, 255, 255, 255);
    const Frame apart = frameWith([](GameEngine& engine) {
        engine.drawText("A", 200, 300, 255, 255, 255);
        engine.drawText("B", 208, 300, 255, 255, 255);
    });
    EXPECT_TRUE(sameFrame(together, apart));
    EXPECT_TRUE(sameFrame(together, expectedFrame("AB", 200, 300, 0xFFFF)));
}

TEST_F(DrawTextTest, TextHangingOffTheLeftEdgeKeepsItsVisiblePart) {
    const Frame frame = frameWithText("MW", -4, 50, 255, 255, 255);
    EXPECT_TRUE(sameFrame(frame, expectedFrame("MW", -4, 50, 0xFFFF)));
    // The right half of the M shows in columns 0 to 3.
    int visible = 0;
    for (int y = 50; y < 50 + platform::font::cellHeight; ++y) {
        for (int x = 0; x < 4; ++x) visible += frame[at(x, y)] == 0xFFFF ? 1 : 0;
    }
    EXPECT_GT(visible, 0);
    // Nothing wraps round onto the end of the row above.
    for (int y = 49; y < 50 + platform::font::cellHeight; ++y) {
        for (int x = screenWidth - 8; x < screenWidth; ++x) EXPECT_EQ(frame[at(x, y)], backdrop);
    }
}

TEST_F(DrawTextTest, TextRunningPastTheRightEdgeKeepsItsVisiblePart) {
    const Frame frame = frameWithText("MMMMM", 780, 50, 255, 255, 255);
    EXPECT_TRUE(sameFrame(frame, expectedFrame("MMMMM", 780, 50, 0xFFFF)));
    // The third M straddles the edge: its left half shows in columns 796 to 799.
    int visible = 0;
    for (int y = 50; y < 50 + platform::font::cellHeight; ++y) {
        for (int x = 796; x < screenWidth; ++x) visible += frame[at(x, y)] == 0xFFFF ? 1 : 0;
    }
    EXPECT_GT(visible, 0);
    // Nothing wraps round onto the start of the next row.
    for (int y = 50; y <= 50 + platform::font::cellHeight; ++y) {
        for (int x = 0; x < 24; ++x) EXPECT_EQ(frame[at(x, y)], backdrop);
    }
}

TEST_F(DrawTextTest, TextCutAtTheTopAndBottomEdges) {
    const Frame top = frameWithText("Top", 10, -6, 255, 255, 255);
    EXPECT_TRUE(sameFrame(top, expectedFrame("Top", 10, -6, 0xFFFF)));
    EXPECT_GT(count(top, 0xFFFF), 0);
    const Frame bottom = frameWithText("Bottom", 10, 592, 255, 255, 255);
    EXPECT_TRUE(sameFrame(bottom, expectedFrame("Bottom", 10, 592, 0xFFFF)));
    EXPECT_GT(count(bottom, 0xFFFF), 0);
}

TEST_F(DrawTextTest, TextWhollyOffScreenDrawsNothing) {
    EXPECT_TRUE(sameFrame(frameWithText("Gone", -40, 10, 255, 255, 255), blankFrame()));
    EXPECT_TRUE(sameFrame(frameWithText("Gone", screenWidth, 10, 255, 255, 255), blankFrame()));
    EXPECT_TRUE(sameFrame(frameWithText("Gone", 10, -16, 255, 255, 255), blankFrame()));
    EXPECT_TRUE(sameFrame(frameWithText("Gone", 10, screenHeight, 255, 255, 255), blankFrame()));
}

TEST_F(DrawTextTest, EmptyTextDrawsNothing) {
    EXPECT_TRUE(sameFrame(frameWithText("", 100, 100, 255, 255, 255), blankFrame()));
}

TEST_F(DrawTextTest, CharactersWithoutAGlyphDrawTheQuestionMark) {
    const std::string odd = {'\t', '\x7F', '\xE9'};
    EXPECT_TRUE(
        sameFrame(frameWithText(odd, 64, 64, 255, 255, 255), expectedFrame("???", 64, 64, 0xFFFF)));
}

TEST_F(DrawTextTest, WithoutADeviceContextItLogsAndDrawsNothing) {
    const std::size_t before = logLines().size();
    backend.fail("display.dc");
    const Frame frame = frameWithText("Corvanes", 100, 100, 255, 255, 255);
    EXPECT_TRUE(sameFrame(frame, blankFrame()));
    const std::vector<std::string> lines = logLines();
    ASSERT_EQ(lines.size(), before + 1);
    EXPECT_EQ(lines.back(), "Unable to get Label device context");
}
