#pragma once

namespace platform {

// The C runtime's generator, as the game has always drawn from it: values 0 to 32767, the same
// sequence on every machine and build, starting from state 1 since the game never seeds it.
int rand();
// Sets the state, as the runtime's srand does; the game itself never calls it.
void srand(unsigned int seed);

}  // namespace platform
