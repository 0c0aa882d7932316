#include "support/WindowTest.h"

#include "app/WinMain.h"

void WindowTest::SetUp() {
    HeadlessTest::SetUp();
    window =
        std::make_unique<Window>(platform::Instance{}, "CorvanesEngine", messageHandler, 800, 600);
    ASSERT_NE(windowHandle(), nullptr);
}

void WindowTest::TearDown() {
    window.reset();
    HeadlessTest::TearDown();
}
