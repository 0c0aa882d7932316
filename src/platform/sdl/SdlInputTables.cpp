#include "platform/sdl/SdlInputTables.h"

#include <vector>

#include "platform/input/PhysicalKeys.h"

namespace platform {

namespace {

constexpr int buttonOrder[4] = {SDL_BUTTON_LEFT, SDL_BUTTON_RIGHT, SDL_BUTTON_MIDDLE,
                                SDL_BUTTON_X1};

}  // namespace

std::span<const ScancodeMapping> scancodeTable() {
    // SDL's scancodes are the keys' USB usages.
    static const std::vector<ScancodeMapping> scancodes = [] {
        std::vector<ScancodeMapping> table;
        for (const PhysicalKey& key : physicalKeys()) {
            table.push_back({static_cast<SDL_Scancode>(key.usage), key.keyCode});
        }
        return table;
    }();
    return scancodes;
}

std::array<bool, 4> mouseButtons(Uint32 sdlButtonState) {
    std::array<bool, 4> down{};
    for (std::size_t i = 0; i < down.size(); ++i) {
        down[i] = (sdlButtonState & SDL_BUTTON(buttonOrder[i])) != 0;
    }
    return down;
}

}  // namespace platform
