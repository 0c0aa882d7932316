#include "platform/web/WebInput.h"

#include <emscripten/html5.h>

#include <span>
#include <string_view>

#include "platform/video/ScreenSize.h"
#include "platform/web/GamepadMapping.h"

namespace platform {

namespace {

// One wheel notch, as the snapshot counts it.
constexpr int wheelNotch = 120;

// The browser numbers its buttons left, middle, right, back, forward.
int snapshotButton(unsigned short browserButton) {
    constexpr int order[] = {0, 2, 1, 3};
    return browserButton < 4 ? order[browserButton] : -1;
}

EM_BOOL onMouseButton(int type, const EmscriptenMouseEvent* e, void* self) {
    const int button = snapshotButton(e->button);
    if (button >= 0) {
        static_cast<WebInput*>(self)->buttonChanged(button, type == EMSCRIPTEN_EVENT_MOUSEDOWN);
    }
    return EM_FALSE;
}

EM_BOOL onMouseMove(int, const EmscriptenMouseEvent* e, void* self) {
    static_cast<WebInput*>(self)->moved(e->movementX, e->movementY);
    return EM_FALSE;
}

EM_BOOL onWheel(int, const EmscriptenWheelEvent* e, void* self) {
    static_cast<WebInput*>(self)->wheeled(e->deltaY);
    return EM_TRUE;
}

EM_BOOL onBlur(int, const EmscriptenFocusEvent*, void* self) {
    static_cast<WebInput*>(self)->releaseAll();
    return EM_FALSE;
}

EM_BOOL onVisibility(int, const EmscriptenVisibilityChangeEvent* e, void* self) {
    if (e->hidden) static_cast<WebInput*>(self)->releaseAll();
    return EM_FALSE;
}

}  // namespace

WebInput::WebInput(const char* canvasSelector) : canvas(canvasSelector) {
    emscripten_set_mousedown_callback(canvas, this, EM_FALSE, onMouseButton);
    // A button let go anywhere is let go.
    emscripten_set_mouseup_callback(EMSCRIPTEN_EVENT_TARGET_DOCUMENT, this, EM_FALSE,
                                    onMouseButton);
    // With the pointer locked every motion goes to the canvas.
    emscripten_set_mousemove_callback(canvas, this, EM_FALSE, onMouseMove);
    emscripten_set_wheel_callback(canvas, this, EM_FALSE, onWheel);
    emscripten_set_blur_callback(EMSCRIPTEN_EVENT_TARGET_WINDOW, this, EM_FALSE, onBlur);
    emscripten_set_visibilitychange_callback(this, EM_FALSE, onVisibility);
}

WebInput::~WebInput() {
    emscripten_set_mousedown_callback(canvas, nullptr, EM_FALSE, nullptr);
    emscripten_set_mouseup_callback(EMSCRIPTEN_EVENT_TARGET_DOCUMENT, nullptr, EM_FALSE, nullptr);
    emscripten_set_mousemove_callback(canvas, nullptr, EM_FALSE, nullptr);
    emscripten_set_wheel_callback(canvas, nullptr, EM_FALSE, nullptr);
    emscripten_set_blur_callback(EMSCRIPTEN_EVENT_TARGET_WINDOW, nullptr, EM_FALSE, nullptr);
    emscripten_set_visibilitychange_callback(nullptr, EM_FALSE, nullptr);
}

void WebInput::readKeys(KeyboardState& keys) {
    for (std::size_t i = 0; i < keys.size(); ++i) {
        keys[i] = held[i] || pressedSinceSnapshot[i] ? 0x80 : 0;
    }
    pressedSinceSnapshot = {};
}

void WebInput::keyChanged(std::uint8_t code, bool down) {
    held[code] = down;
    if (down) pressedSinceSnapshot[code] = true;
}

void WebInput::releaseAll() {
    held = {};
    pressedSinceSnapshot = {};
    buttons = {};
    clickedSinceReading = {};
}

void WebInput::buttonChanged(int button, bool down) {
    const auto i = static_cast<std::size_t>(button);
    buttons[i] = down;
    if (down) clickedSinceReading[i] = true;
}

void WebInput::moved(long dx, long dy) {
    motionX += dx;
    motionY += dy;
}

void WebInput::wheeled(double deltaY) {
    // The browser's wheel counts down as positive, the snapshot counts away from the player.
    if (deltaY < 0) wheel += wheelNotch;
    if (deltaY > 0) wheel -= wheelNotch;
}

void WebInput::captureMouse() {
    // Motion from before the capture does not count.
    captured = true;
    motionX = motionY = 0;
    wheel = 0;
    mouseScale.reset();
}

void WebInput::releaseMouse() {
    captured = false;
}

void WebInput::readMouse(MouseReading& reading) {
    for (std::size_t i = 0; i < reading.buttons.size(); ++i) {
        reading.buttons[i] = buttons[i] || clickedSinceReading[i];
    }
    clickedSinceReading = {};
    // One game pixel for every screen pixel of the scaled picture.
    double width = 0;
    double height = 0;
    emscripten_get_element_css_size(canvas, &width, &height);
    mouseScale.setScale(width / screenWidth);
    reading.dx = captured ? mouseScale.x(static_cast<int>(motionX)) : 0;
    reading.dy = captured ? mouseScale.y(static_cast<int>(motionY)) : 0;
    reading.dz = captured ? wheel : 0;
    motionX = motionY = 0;
    wheel = 0;
}

int WebInput::attachedJoysticks() {
    if (emscripten_sample_gamepad_data() != EMSCRIPTEN_RESULT_SUCCESS) return 0;
    int attached = 0;
    const int slots = emscripten_get_num_gamepads();
    EmscriptenGamepadEvent state;
    for (int i = 0; i < slots; ++i) {
        if (emscripten_get_gamepad_status(i, &state) == EMSCRIPTEN_RESULT_SUCCESS &&
            state.connected) {
            ++attached;
        }
    }
    return attached;
}

bool WebInput::openJoystick(int number) {
    if (pad >= 0 || emscripten_sample_gamepad_data() != EMSCRIPTEN_RESULT_SUCCESS) return false;
    int seen = 0;
    const int slots = emscripten_get_num_gamepads();
    EmscriptenGamepadEvent state;
    for (int i = 0; i < slots; ++i) {
        if (emscripten_get_gamepad_status(i, &state) != EMSCRIPTEN_RESULT_SUCCESS ||
            !state.connected) {
            continue;
        }
        if (++seen == number) {
            pad = i;
            return true;
        }
    }
    return false;
}

void WebInput::closeJoystick() {
    pad = -1;
}

bool WebInput::readJoystick(JoystickReading& reading) {
    if (pad < 0 || emscripten_sample_gamepad_data() != EMSCRIPTEN_RESULT_SUCCESS) return false;
    EmscriptenGamepadEvent state;
    if (emscripten_get_gamepad_status(static_cast<int>(pad), &state) != EMSCRIPTEN_RESULT_SUCCESS ||
        !state.connected) {
        return false;
    }
    bool pressed[64];
    for (int i = 0; i < state.numButtons && i < 64; ++i) pressed[i] = state.digitalButton[i];
    const std::string_view mapping = state.mapping;
    reading =
        gamepadReading(std::span<const double>(state.axis, static_cast<std::size_t>(state.numAxes)),
                       std::span<const bool>(pressed, static_cast<std::size_t>(state.numButtons)),
                       mapping == "standard");
    return true;
}

}  // namespace platform
