#pragma once

#include <memory>

#include "app/Window.h"
#include "support/HeadlessTest.h"

// A headless test with the game's window open, as the services find it at start.
class WindowTest : public HeadlessTest {
protected:
    void SetUp() override;
    void TearDown() override;

    platform::WindowHandle windowHandle() const { return window->getWindowHandle(); }
    platform::ScriptedInput& devices() { return backend.inputHardware(); }

private:
    std::unique_ptr<Window> window;
};
