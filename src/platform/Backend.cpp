#include "platform/Backend.h"

#include <cstdio>
#include <cstdlib>

namespace platform {

namespace {
Backend* current = nullptr;
}

bool Backend::faultInjected(Fault) {
    return false;
}

Backend& backend() {
    if (current == nullptr) {
        std::fputs("corvanes: no platform backend installed\n", stderr);
        std::abort();
    }
    return *current;
}

void setBackend(Backend* backend) {
    current = backend;
}

}  // namespace platform
