#pragma once

#define DIRECTINPUT_VERSION 0x0800
#include <windows.h>
// After windows.h, which it needs.
#include <dinput.h>

#include <array>
#include <vector>

#include "platform/input/InputHardware.h"
#include "platform/input/MouseScale.h"
#include "platform/input/SessionTap.h"

namespace platform {

// Keyboard, mouse and the first joystick through DirectInput 8, whose key codes are the
// snapshot's own. The keyboard and the mouse deliver only while the window is in front; the
// joystick also behind it. The devices are made once the window exists.
class DirectInputDevices : public InputHardware {
public:
    DirectInputDevices() = default;
    ~DirectInputDevices() override;
    DirectInputDevices(const DirectInputDevices&) = delete;
    DirectInputDevices& operator=(const DirectInputDevices&) = delete;

    // The window the devices belong to; null lets every device go.
    void setWindow(HWND window);
    // Shows every reading to the recorder of a session.
    void setTap(SessionTap* observer) { tap = observer; }
    // How many screen pixels the picture gives each game pixel, for the mouse's motion.
    void setPictureScale(double screenPerGame) { mouseScale.setScale(screenPerGame); }

    // A key counts as down when it is held now or was pressed since the last snapshot, so a
    // tap shorter than a frame is not lost.
    void readKeys(KeyboardState& keys) override;
    // Exclusive while captured: the pointer is hidden and every motion counts.
    void captureMouse() override;
    void releaseMouse() override;
    void readMouse(MouseReading& reading) override;
    int attachedJoysticks() override;
    bool openJoystick(int number) override;
    void closeJoystick() override;
    bool readJoystick(JoystickReading& reading) override;

private:
    static BOOL CALLBACK collectJoystick(const DIDEVICEINSTANCEW* device, void* self);
    // A device made with its layout, its sharing and a buffer for the presses between readings.
    IDirectInputDevice8W* makeDevice(const GUID& guid, const DIDATAFORMAT* format, DWORD sharing);
    // Reads the device's state, acquiring it again when it was lost; false while it cannot be.
    static bool readState(IDirectInputDevice8W* device, DWORD size, void* state);
    // The buttons or keys pressed since the last reading, from the device's buffer.
    template <std::size_t N>
    static void pressesSince(IDirectInputDevice8W* device, std::array<bool, N>& pressed,
                             DWORD firstOffset);

    HWND window = nullptr;
    IDirectInput8W* input = nullptr;
    IDirectInputDevice8W* keyboard = nullptr;
    IDirectInputDevice8W* mouse = nullptr;
    IDirectInputDevice8W* joystick = nullptr;
    std::vector<GUID> joysticks;
    bool captured = false;
    MouseScale mouseScale;
    SessionTap* tap = nullptr;
};

}  // namespace platform
