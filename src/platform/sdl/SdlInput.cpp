#include "platform/sdl/SdlInput.h"

#include <algorithm>
#include <iterator>

#include "platform/sdl/SdlInputTables.h"

namespace platform {

namespace {
// One wheel notch, as the snapshot counts it.
constexpr int wheelNotch = 120;
}  // namespace

SdlInput::~SdlInput() {
    if (watchingKeys) SDL_DelEventWatch(watchKeys, this);
}

void SdlInput::readKeys(KeyboardState& keys) {
    if (!watchingKeys) {
        SDL_AddEventWatch(watchKeys, this);
        watchingKeys = true;
    }
    int count = 0;
    const Uint8* state = SDL_GetKeyboardState(&count);
    keys.fill(0);
    for (const ScancodeMapping& key : scancodeTable()) {
        const bool inState = static_cast<int>(key.scancode) < count && state[key.scancode] != 0;
        if (inState || pressedSinceSnapshot[key.scancode]) keys[key.keyCode] = pressed;
    }
    std::fill(std::begin(pressedSinceSnapshot), std::end(pressedSinceSnapshot), false);
    if (tap != nullptr) tap->keysRead(keys);
}

int SdlInput::watchKeys(void* self, SDL_Event* event) {
    auto* input = static_cast<SdlInput*>(self);
    if (event->type == SDL_KEYDOWN && event->key.keysym.scancode < SDL_NUM_SCANCODES) {
        input->pressedSinceSnapshot[event->key.keysym.scancode] = true;
    }
    if (event->type == SDL_MOUSEBUTTONDOWN) {
        const std::array<bool, 4> which = mouseButtons(SDL_BUTTON(event->button.button));
        for (std::size_t i = 0; i < which.size(); ++i) {
            input->clickedSinceReading[i] = input->clickedSinceReading[i] || which[i];
        }
    }
    return 0;
}

void SdlInput::captureMouse() {
    // Relative mode keeps the pointer inside the window and reports its motion as the X
    // server counts it; readMouse turns that into the picture's pixels.
    SDL_SetRelativeMouseMode(SDL_TRUE);
    // Motion from before the capture does not count.
    SDL_GetRelativeMouseState(nullptr, nullptr);
    mouseScale.reset();
    wheel = 0;
    SDL_AddEventWatch(watchWheel, this);
}

void SdlInput::releaseMouse() {
    SDL_DelEventWatch(watchWheel, this);
    SDL_SetRelativeMouseMode(SDL_FALSE);
}

int SdlInput::watchWheel(void* self, SDL_Event* event) {
    if (event->type == SDL_MOUSEWHEEL) {
        const int notches =
            event->wheel.direction == SDL_MOUSEWHEEL_FLIPPED ? -event->wheel.y : event->wheel.y;
        static_cast<SdlInput*>(self)->wheel += notches * wheelNotch;
    }
    return 0;
}

void SdlInput::readMouse(MouseReading& reading) {
    int dx = 0;
    int dy = 0;
    reading.buttons = mouseButtons(SDL_GetRelativeMouseState(&dx, &dy));
    for (std::size_t i = 0; i < reading.buttons.size(); ++i) {
        reading.buttons[i] = reading.buttons[i] || clickedSinceReading[i];
    }
    clickedSinceReading = {};
    // One game pixel for every screen pixel of the scaled picture.
    reading.dx = mouseScale.x(dx);
    reading.dy = mouseScale.y(dy);
    reading.dz = wheel;
    wheel = 0;
    if (tap != nullptr) tap->mouseRead(reading);
}

int SdlInput::attachedJoysticks() {
    if (!joysticksReady) {
        // The devices are shared and keep reporting while the window is in the background.
        SDL_SetHint(SDL_HINT_JOYSTICK_ALLOW_BACKGROUND_EVENTS, "1");
        joysticksReady = SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER) == 0;
    }
    return joysticksReady ? SDL_max(SDL_NumJoysticks(), 0) : 0;
}

bool SdlInput::openJoystick(int number) {
    if (!joysticksReady || controller != nullptr || joystick != nullptr) return false;
    const int index = number - 1;
    // A pad SDL knows gets its standard layout; anything else is read as it reports itself.
    if (SDL_IsGameController(index)) {
        controller = SDL_GameControllerOpen(index);
        return controller != nullptr;
    }
    joystick = SDL_JoystickOpen(index);
    return joystick != nullptr;
}

void SdlInput::closeJoystick() {
    if (controller != nullptr) SDL_GameControllerClose(controller);
    controller = nullptr;
    if (joystick != nullptr) SDL_JoystickClose(joystick);
    joystick = nullptr;
}

bool SdlInput::readJoystick(JoystickReading& reading) {
    SDL_JoystickUpdate();
    if (controller != nullptr) {
        if (!SDL_GameControllerGetAttached(controller)) return false;
        reading.x = SDL_GameControllerGetAxis(controller, SDL_CONTROLLER_AXIS_LEFTX);
        reading.y = SDL_GameControllerGetAxis(controller, SDL_CONTROLLER_AXIS_LEFTY);
        // SDL's standard order: A, B, X, Y, back, guide, start, the two stick presses, the
        // left shoulder.
        for (int i = 0; i < JoystickReading::buttonCount; ++i) {
            reading.buttons[i] = SDL_GameControllerGetButton(
                                     controller, static_cast<SDL_GameControllerButton>(i)) != 0;
        }
        if (tap != nullptr) tap->joystickRead(reading);
        return true;
    }
    if (joystick == nullptr || !SDL_JoystickGetAttached(joystick)) return false;
    reading.x = SDL_JoystickGetAxis(joystick, 0);
    reading.y = SDL_JoystickGetAxis(joystick, 1);
    for (int i = 0; i < JoystickReading::buttonCount; ++i) {
        reading.buttons[i] = SDL_JoystickGetButton(joystick, i) != 0;
    }
    if (tap != nullptr) tap->joystickRead(reading);
    return true;
}

}  // namespace platform
