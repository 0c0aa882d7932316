#include <malloc.h>

#include <filesystem>
#include <string>
#include <vector>

#include "game/Cursor.h"
#include "platform/input/KeyCodes.h"
#include "support/GameTest.h"

namespace {

using platform::Rect;

// Each hot area's highlight: its cell on the sheet and where the screen shows it.
struct Highlight {
    Rect cell;
    Rect place;
};
const Highlight highlights[4] = {
    {{0, 0, 200, 200}, {100, 75, 300, 275}},
    {{200, 0, 400, 200}, {510, 20, 710, 220}},
    {{0, 200, 200, 400}, {120, 300, 320, 500}},
    {{200, 200, 400, 400}, {510, 260, 710, 460}},
};

// The cursor's picture is 18 x 26; it is drawn over the highlight.
Rect cursorAt(platform::Point p) {
    return {p.x, p.y, p.x + 18, p.y + 26};
}

class NavigationTest : public GameTest {
protected:
    // The hot area (1 to 4) whose highlight the last frame shows; 0 for none.
    int shown(platform::Point cursor) const {
        int area = 0;
        for (int i = 0; i < 4; ++i) {
            if (shows(highlights[i].place, "selections.bmp", highlights[i].cell,
                      cursorAt(cursor))) {
                EXPECT_EQ(area, 0) << "two highlights";
                area = i + 1;
            }
        }
        return area;
    }
};

TEST_F(NavigationTest, EachHotAreaShowsItsCellAtItsPlaceAndAClickThereLeadsToABattle) {
    const struct {
        platform::Point cursor;
        int area;
    } cases[] = {
        {{200, 230}, 1}, {{399, 279}, 1}, {{400, 230}, 0}, {{200, 280}, 0}, {{460, 180}, 2},
        {{190, 300}, 3}, {{659, 289}, 4}, {{500, 235}, 0}, {{10, 10}, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << "(" << c.cursor.x << ", " << c.cursor.y << ")");
        restart();
        enterNavigation();
        moveMouseTo(c.cursor.x, c.cursor.y);
        frame();
        ASSERT_EQ(game->cursor->getPosition(), c.cursor);
        EXPECT_EQ(shown(c.cursor), c.area);
        EXPECT_TRUE(shows(cursorAt(c.cursor), "cursor.bmp", {0, 0, 18, 26})) << "drawn last";
        EXPECT_EQ(game->phase, 1);
        // Taken while the button is down; the frame of the click still draws.
        frame({}, true);
        EXPECT_EQ(shown(c.cursor), c.area);
        EXPECT_EQ(game->phase, c.area != 0 ? 2 : 1);
        EXPECT_EQ(game->nextMode, c.area != 0 ? 1 : 0);
    }
}

TEST_F(NavigationTest, HotAreasAreTriedInTheOrderOneTwoFourThree) {
    enterNavigation();
    moveMouseTo(5, 5);
    // All four over the whole screen: the first tried wins; then it is taken away.
    Rect* tried[] = {&game->hotArea1, &game->hotArea2, &game->hotArea4, &game->hotArea3};
    for (Rect* area : tried) *area = {0, 0, 800, 600};
    const int order[] = {1, 2, 4, 3};
    for (int i = 0; i < 4; ++i) {
        frame();
        EXPECT_EQ(shown({5, 5}), order[i]);
        *tried[i] = {};
    }
}

TEST_F(NavigationTest, AButtonHeldWhileTheCursorMovesInChoosesOnTheFirstFrameInside) {
    enterNavigation();
    moveMouseTo(430, 255);
    frame({}, true);
    frame({}, true);
    EXPECT_EQ(game->phase, 1) << "between the areas";
    moveMouseTo(470, 250);
    frame({}, true);
    EXPECT_EQ(shown({470, 250}), 4);
    EXPECT_EQ(game->phase, 2);
    EXPECT_EQ(game->nextMode, 1);
    frame();
    EXPECT_EQ(game->mode, 1);
}

TEST_F(NavigationTest, TheOneKeyAndAClickInTheSameFrameGoToABattle) {
    enterNavigation();
    moveMouseTo(250, 250);
    frame({platform::DIK_1}, true);
    EXPECT_EQ(game->phase, 2);
    EXPECT_EQ(game->nextMode, 1);
    frame();
    EXPECT_EQ(game->mode, 1);
    EXPECT_EQ(game->cursor, nullptr);
}

std::size_t heapInUse() {
    const struct mallinfo2 m = mallinfo2();
    return m.uordblks + m.hblkhd;
}

TEST_F(NavigationTest, AFailedSetUpLogsAndRetriesEveryFrameWithoutPilingUp) {
    const struct {
        const char* file;
        const char* line;
    } cases[] = {
        {"navscreen.bmp", "ERROR: - unable to load navShip image"},
        {"selections.bmp", "ERROR: - unable to load selections image"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        copyGameFiles();
        std::filesystem::remove(path(c.file));
        restart();
        game->mode = 2;
        frames(3);
        EXPECT_EQ(game->phase, 0);
        std::vector<std::string> expected;
        for (int i = 0; i < 3; ++i) {
            expected.push_back("ERROR: unable to load bitmap");
            expected.push_back(c.line);
        }
        EXPECT_EQ(linesSinceStart(), expected);
        // Each attempt makes an 800 x 600 picture; none of them may stay behind.
        const std::size_t before = heapInUse();
        frames(40);
        EXPECT_LT(heapInUse(), before + 800 * 600 * 2) << "grew by " << heapInUse() - before;
        EXPECT_EQ(linesSinceStart().size(), 86u);
        EXPECT_EQ(game->phase, 0);
        // The file back: the next attempt succeeds.
        copyGameFile(c.file);
        frame();
        EXPECT_EQ(game->phase, 1);
    }
}

TEST_F(NavigationTest, ACursorWithoutItsPictureFollowsTheMouseAndDrawsNothing) {
    std::filesystem::remove(path("cursor.bmp"));
    enterNavigation();
    EXPECT_EQ(linesSinceStart(), (std::vector<std::string>{"ERROR: unable to load bitmap",
                                                           "Unable to load cursor image"}));
    moveMouseTo(50, 500);
    frame();
    ASSERT_NE(game->cursor, nullptr);
    EXPECT_EQ(game->cursor->getPosition(), (platform::Point{50, 500}));
    // Where the cursor would be, the picture alone.
    EXPECT_TRUE(shows(cursorAt({50, 500}), "navscreen.bmp", cursorAt({50, 500})));
    EXPECT_FALSE(shows(cursorAt({50, 500}), "cursor.bmp", {0, 0, 18, 26}));
    EXPECT_EQ(linesSinceStart().size(), 2u);
}

}  // namespace
