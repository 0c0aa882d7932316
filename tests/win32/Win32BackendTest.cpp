#include <gtest/gtest.h>
#include <windows.h>

#include "platform/video/Surface.h"
#include "platform/win32/Win32Backend.h"

namespace {

// The backend's picture on a real screen: run on a display (a virtual X display under Wine).
// One window for the whole suite, as the game makes one for its whole run.
class Win32BackendTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        backend = new platform::Win32Backend;
        ASSERT_TRUE(backend->registerWindowClass("CorvanesBackendTest"));
        const platform::WindowHandle window =
            backend->createWindow("CorvanesBackendTest", 0, 0, 800, 600);
        ASSERT_NE(window, nullptr);
        backend->showWindow(window, SW_SHOW);
        ASSERT_TRUE(backend->openDisplay());
        ASSERT_TRUE(backend->takeOverScreen(window));
        ASSERT_TRUE(backend->setDisplayMode(800, 600, 16));
    }
    static void TearDownTestSuite() { delete backend; }

    // Presents a frame of one colour and reads back the screen in the middle of the picture.
    COLORREF show(std::uint16_t colour) {
        for (int y = 0; y < frame.height(); ++y) {
            std::fill_n(frame.row(y), frame.width(), colour);
        }
        backend->takeCloseRequest();
        // Wine hands the blit on to a thread of its own: the screen shows a frame once the
        // next one is under way.
        backend->present(frame);
        backend->present(frame);
        const HDC screen = GetDC(nullptr);
        const COLORREF seen =
            GetPixel(screen, GetSystemMetrics(SM_CXSCREEN) / 2, GetSystemMetrics(SM_CYSCREEN) / 2);
        ReleaseDC(nullptr, screen);
        return seen;
    }

    static platform::Win32Backend* backend;
    platform::Surface frame{800, 600, platform::PixelFormat{}};
};

platform::Win32Backend* Win32BackendTest::backend = nullptr;

TEST_F(Win32BackendTest, TheFrameReachesTheScreenWidenedFromItsOwnPixels) {
    EXPECT_EQ(show(0xF800), RGB(255, 0, 0));
    EXPECT_EQ(show(0x07E0), RGB(0, 255, 0));
    // 5-6-5 fields widened by repeating their top bits.
    EXPECT_EQ(show(0x8410), RGB(132, 130, 132));
}

TEST_F(Win32BackendTest, ALostSurfaceIsMadeAgainAndTheFramesGoOn) {
    ASSERT_EQ(show(0x001F), RGB(0, 0, 255));
    const int remade = backend->surfacesRemade();
    backend->fail(platform::Fault::displaySurfaceLost, 1);
    EXPECT_EQ(show(0xF800), RGB(255, 0, 0));
    EXPECT_EQ(backend->surfacesRemade(), remade + 1);
    EXPECT_EQ(show(0x07E0), RGB(0, 255, 0));
    EXPECT_EQ(backend->surfacesRemade(), remade + 1);
}

}  // namespace
