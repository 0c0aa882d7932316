#pragma once

namespace platform {

// Another X client can destroy our window outright instead of asking it to close. The X server
// then answers SDL's next request about the window with an error, which by default ends the
// process at once. We take those errors as the window's loss and end the game in order.
void watchForLostWindow();
// True once after the window was found lost.
bool takeLostWindow();

}  // namespace platform
