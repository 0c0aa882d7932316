#include "platform/win32/DirectInputDevices.h"

namespace platform {

namespace {

// Presses kept between two readings; a frame sees far fewer.
constexpr DWORD bufferedEvents = 64;

template <class T>
void release(T*& object) {
    if (object != nullptr) {
        object->Unacquire();
        object->Release();
    }
    object = nullptr;
}

DIPROPHEADER header(DWORD size, DWORD how, DWORD object) {
    DIPROPHEADER h{};
    h.dwSize = size;
    h.dwHeaderSize = sizeof(DIPROPHEADER);
    h.dwObj = object;
    h.dwHow = how;
    return h;
}

}  // namespace

DirectInputDevices::~DirectInputDevices() {
    setWindow(nullptr);
}

void DirectInputDevices::setWindow(HWND owner) {
    closeJoystick();
    release(mouse);
    release(keyboard);
    if (input != nullptr) input->Release();
    input = nullptr;
    captured = false;
    window = owner;
    if (window == nullptr ||
        FAILED(DirectInput8Create(GetModuleHandleW(nullptr), DIRECTINPUT_VERSION,
                                  IID_IDirectInput8W, reinterpret_cast<void**>(&input), nullptr))) {
        return;
    }
    keyboard = makeDevice(GUID_SysKeyboard, &c_dfDIKeyboard, DISCL_FOREGROUND | DISCL_NONEXCLUSIVE);
    // Exclusive, so the pointer stays with the window while the game has the mouse.
    mouse = makeDevice(GUID_SysMouse, &c_dfDIMouse, DISCL_FOREGROUND | DISCL_EXCLUSIVE);
}

IDirectInputDevice8W* DirectInputDevices::makeDevice(const GUID& guid, const DIDATAFORMAT* format,
                                                     DWORD sharing) {
    IDirectInputDevice8W* device = nullptr;
    if (FAILED(input->CreateDevice(guid, &device, nullptr))) return nullptr;
    DIPROPDWORD buffer{};
    buffer.diph = header(sizeof buffer, DIPH_DEVICE, 0);
    buffer.dwData = bufferedEvents;
    if (FAILED(device->SetDataFormat(format)) ||
        FAILED(device->SetCooperativeLevel(window, sharing)) ||
        FAILED(device->SetProperty(DIPROP_BUFFERSIZE, &buffer.diph))) {
        device->Release();
        return nullptr;
    }
    return device;
}

bool DirectInputDevices::readState(IDirectInputDevice8W* device, DWORD size, void* state) {
    if (device == nullptr) return false;
    HRESULT result = device->GetDeviceState(size, state);
    if (result == DIERR_INPUTLOST || result == DIERR_NOTACQUIRED) {
        // Acquiring fails while another window is in front.
        if (FAILED(device->Acquire())) return false;
        result = device->GetDeviceState(size, state);
    }
    return SUCCEEDED(result);
}

template <std::size_t N>
void DirectInputDevices::pressesSince(IDirectInputDevice8W* device, std::array<bool, N>& pressed,
                                      DWORD firstOffset) {
    if (device == nullptr) return;
    DIDEVICEOBJECTDATA events[bufferedEvents];
    for (;;) {
        DWORD count = bufferedEvents;
        if (FAILED(device->GetDeviceData(sizeof(DIDEVICEOBJECTDATA), events, &count, 0))) return;
        for (DWORD i = 0; i < count; ++i) {
            const DWORD index = events[i].dwOfs - firstOffset;
            if ((events[i].dwData & 0x80) != 0 && index < N) pressed[index] = true;
        }
        if (count < bufferedEvents) return;
    }
}

void DirectInputDevices::readKeys(KeyboardState& keys) {
    std::array<bool, 256> tapped = {};
    pressesSince(keyboard, tapped, 0);
    // Nothing is down while the keyboard cannot be read: another window is in front.
    std::uint8_t state[256] = {};
    readState(keyboard, sizeof state, state);
    for (std::size_t i = 0; i < keys.size(); ++i) {
        keys[i] = (state[i] & pressed) != 0 || tapped[i] ? pressed : 0;
    }
    if (tap != nullptr) tap->keysRead(keys);
}

void DirectInputDevices::captureMouse() {
    captured = true;
    mouseScale.reset();
    if (mouse == nullptr || FAILED(mouse->Acquire())) return;
    // Motion and presses from before the capture do not count.
    DIMOUSESTATE before{};
    mouse->GetDeviceState(sizeof before, &before);
    DWORD all = INFINITE;
    mouse->GetDeviceData(sizeof(DIDEVICEOBJECTDATA), nullptr, &all, 0);
}

void DirectInputDevices::releaseMouse() {
    captured = false;
    if (mouse != nullptr) mouse->Unacquire();
}

void DirectInputDevices::readMouse(MouseReading& reading) {
    std::array<bool, 4> clicked = {};
    DIMOUSESTATE state{};
    if (captured) {
        pressesSince(mouse, clicked, DIMOFS_BUTTON0);
        if (!readState(mouse, sizeof state, &state)) state = DIMOUSESTATE{};
    }
    // One game pixel for every screen pixel of the scaled picture.
    reading.dx = mouseScale.x(state.lX);
    reading.dy = mouseScale.y(state.lY);
    reading.dz = state.lZ;
    for (std::size_t i = 0; i < reading.buttons.size(); ++i) {
        reading.buttons[i] = (state.rgbButtons[i] & pressed) != 0 || clicked[i];
    }
    if (tap != nullptr) tap->mouseRead(reading);
}

BOOL CALLBACK DirectInputDevices::collectJoystick(const DIDEVICEINSTANCEW* device, void* self) {
    static_cast<DirectInputDevices*>(self)->joysticks.push_back(device->guidInstance);
    return DIENUM_CONTINUE;
}

int DirectInputDevices::attachedJoysticks() {
    joysticks.clear();
    if (input == nullptr) return 0;
    input->EnumDevices(DI8DEVCLASS_GAMECTRL, collectJoystick, this, DIEDFL_ATTACHEDONLY);
    return static_cast<int>(joysticks.size());
}

bool DirectInputDevices::openJoystick(int number) {
    if (input == nullptr || joystick != nullptr || number < 1 ||
        number > static_cast<int>(joysticks.size())) {
        return false;
    }
    joystick = makeDevice(joysticks[static_cast<std::size_t>(number - 1)], &c_dfDIJoystick,
                          DISCL_BACKGROUND | DISCL_NONEXCLUSIVE);
    if (joystick == nullptr) return false;
    // The raw positions, as SDL reports them; the shared device scales them and keeps the dead
    // zone, so that a stick reads the same on every system.
    bool ready = true;
    for (DWORD axis : {static_cast<DWORD>(DIJOFS_X), static_cast<DWORD>(DIJOFS_Y)}) {
        DIPROPRANGE range{};
        range.diph = header(sizeof range, DIPH_BYOFFSET, axis);
        range.lMin = -32768;
        range.lMax = 32767;
        DIPROPDWORD deadZone{};
        deadZone.diph = header(sizeof deadZone, DIPH_BYOFFSET, axis);
        deadZone.dwData = 0;
        ready = ready && SUCCEEDED(joystick->SetProperty(DIPROP_RANGE, &range.diph)) &&
                SUCCEEDED(joystick->SetProperty(DIPROP_DEADZONE, &deadZone.diph));
    }
    if (!ready || FAILED(joystick->Acquire())) {
        release(joystick);
        return false;
    }
    return true;
}

void DirectInputDevices::closeJoystick() {
    release(joystick);
}

bool DirectInputDevices::readJoystick(JoystickReading& reading) {
    if (joystick == nullptr) return false;
    joystick->Poll();
    DIJOYSTATE state{};
    if (!readState(joystick, sizeof state, &state)) return false;
    reading.x = state.lX;
    reading.y = state.lY;
    for (int i = 0; i < JoystickReading::buttonCount; ++i) {
        reading.buttons[static_cast<std::size_t>(i)] = (state.rgbButtons[i] & pressed) != 0;
    }
    if (tap != nullptr) tap->joystickRead(reading);
    return true;
}

}  // namespace platform
