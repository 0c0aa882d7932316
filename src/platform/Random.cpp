#include "platform/Random.h"

#include <cstdint>

namespace platform {

namespace {

std::uint32_t state = 1;

}  // namespace

int rand() {
    state = state * 214013u + 2531011u;
    return static_cast<int>((state >> 16) & 0x7FFF);
}

void srand(unsigned int seed) {
    state = seed;
}

}  // namespace platform
