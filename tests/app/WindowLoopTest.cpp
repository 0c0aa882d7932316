#include <gtest/gtest.h>

#include "app/WinMain.h"
#include "app/Window.h"
#include "platform/window/WindowSystem.h"
#include "support/EngineTest.h"

class WindowLoopTest : public EngineTest {};

TEST_F(WindowLoopTest, EscapeHeldAtStartStillRunsOneFrame) {
    backend.setEscapeDown(true);
    EXPECT_EQ(winMain(platform::Instance{}, 1), 0);
    EXPECT_EQ(backend.framesPresented(), 1u);
}

TEST_F(WindowLoopTest, TheProgramOpensOneHiddenPointerWindowNamedCorvanesEngine) {
    copyGameFiles();
    backend.setEscapeDown(true);
    winMain(platform::Instance{}, 1);
    EXPECT_EQ(backend.windowCaption(), "CorvanesEngine");
    EXPECT_FALSE(backend.cursorVisible());
    EXPECT_EQ(backend.displayWidth(), 0) << "the display is given back at the end";
    EXPECT_TRUE(backend.messageBoxes().empty());
    EXPECT_EQ(logLines(), (std::vector<std::string>{noJoystickLine}));
}

TEST_F(WindowLoopTest, ClosingTheWindowEndsTheLoopAfterTheQuitFrame) {
    ScriptedEngine& game = start();
    int frames = 0;
    game.work = [&](ScriptedEngine&) {
        if (++frames == 3) backend.requestClose();
    };
    window->mainLoop(&game);
    // Frame 3 asks to close; pass 4 takes the close message (the window is destroyed and the
    // quit message posted), pass 5 takes the quit message and still runs its frame.
    EXPECT_EQ(frames, 5);
    EXPECT_FALSE(backend.windowExists());
}

TEST_F(WindowLoopTest, ACloseRequestWithoutAWindowStillQuits) {
    backend.fail("window.create", 1);
    ScriptedEngine& game = start();
    int frames = 0;
    game.work = [&](ScriptedEngine&) {
        if (++frames == 1) backend.requestClose();
    };
    window->mainLoop(&game);
    EXPECT_EQ(frames, 2);
}

TEST_F(WindowLoopTest, ABurstOfMessagesTakesOnePassEach) {
    ScriptedEngine& game = start();
    constexpr int burst = 7;
    for (int i = 0; i < burst; ++i) {
        platform::postMessage(window->getWindowHandle(), 0x400 + i, 0, 0);
    }
    platform::postQuitMessage(5);
    int frames = 0;
    game.work = [&](ScriptedEngine&) { ++frames; };
    EXPECT_EQ(window->mainLoop(&game), 5u) << "the loop answers the quit message's code";
    EXPECT_EQ(frames, burst + 1);
}

TEST_F(WindowLoopTest, EscapePressedDuringPlayEndsTheLoopAfterThatPassesFrame) {
    ScriptedEngine& game = start();
    int frames = 0;
    game.work = [&](ScriptedEngine&) {
        if (++frames == 10) backend.setEscapeDown(true);
    };
    window->mainLoop(&game);
    EXPECT_EQ(frames, 11);
}

TEST_F(WindowLoopTest, WindowFailuresShowMessageBoxesAndTheProgramCarriesOn) {
    copyGameFiles();
    backend.fail("window.register", 1);
    backend.fail("window.create", 1);
    backend.setEscapeDown(true);
    EXPECT_EQ(winMain(platform::Instance{}, 1), 0);
    ASSERT_EQ(backend.messageBoxes().size(), 2u);
    EXPECT_EQ(backend.messageBoxes()[0].text, "Unable to register window class");
    EXPECT_EQ(backend.messageBoxes()[0].caption, "CorvanesEngine");
    EXPECT_EQ(backend.messageBoxes()[1].text, "Unable to create window");
    EXPECT_EQ(backend.messageBoxes()[1].caption, "CorvanesEngine");
    // Without a window no service can take over its device; the keyboard, created but never
    // set up, fails its read in the one frame that still runs, and that frame's battle set-up
    // finds no display to load its bitmaps into.
    const std::vector<std::string> lines = logLines();
    const std::vector<std::string> services = {
        "ERROR: Unable to set cooperation level", "ERROR: Unable to set keyboard cooperation level",
        "ERROR: Unable to set sound cooperation level", "ERROR: Unable to read keyboard"};
    ASSERT_GT(lines.size(), services.size());
    EXPECT_EQ(std::vector<std::string>(lines.begin(), lines.begin() + 4), services);
    EXPECT_EQ((lines.size() - services.size()) % 2, 0u);
    for (std::size_t i = services.size(); i + 1 < lines.size(); i += 2) {
        EXPECT_EQ(lines[i], "ERROR: unable to load bitmap");
        EXPECT_EQ(lines[i + 1].rfind("ERROR: - unable to load ", 0), 0u) << lines[i + 1];
    }
}
