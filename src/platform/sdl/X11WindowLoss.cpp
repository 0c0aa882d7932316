#include "platform/sdl/X11WindowLoss.h"

#include <X11/Xlib.h>

#include <csignal>

namespace platform {

namespace {

volatile std::sig_atomic_t lost = 0;

int onXError(Display*, XErrorEvent* error) {
    // A window or drawable that no longer exists is ours gone; anything else is left alone
    // rather than killing the game.
    if (error->error_code == BadWindow || error->error_code == BadDrawable) lost = 1;
    return 0;
}

}  // namespace

void watchForLostWindow() {
    XSetErrorHandler(onXError);
}

bool takeLostWindow() {
    if (lost == 0) return false;
    lost = 0;
    return true;
}

}  // namespace platform
