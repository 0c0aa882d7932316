#include "app/WinMain.h"
#include "support/HeadlessTest.h"

class WindowLoopTest : public HeadlessTest {};

TEST_F(WindowLoopTest, EscapeHeldAtStartStillRunsOneFrame) {
    backend.setEscapeDown(true);
    EXPECT_EQ(winMain(platform::Instance{}, 1), 0);
    EXPECT_EQ(backend.framesPresented(), 1u);
}
