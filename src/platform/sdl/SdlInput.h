#pragma once

#include <SDL.h>

#include <array>

#include "platform/input/InputHardware.h"
#include "platform/input/SessionTap.h"
#include "platform/input/MouseScale.h"

namespace platform {

// Keyboard, mouse and the first game controller or joystick through SDL. The message loop pumps
// SDL's events on every pass, which keeps the key, button and stick state SDL holds up to date.
class SdlInput : public InputHardware {
public:
    SdlInput() = default;
    ~SdlInput() override;
    SdlInput(const SdlInput&) = delete;
    SdlInput& operator=(const SdlInput&) = delete;

    // A key counts as down when it is held now or was pressed since the last snapshot, so a
    // tap shorter than a frame is not lost.
    void readKeys(KeyboardState& keys) override;
    // Relative mouse mode where the video driver has it: the pointer stays with the window and
    // every motion counts. Elsewhere the motion stops at the screen's edges.
    void captureMouse() override;
    void releaseMouse() override;
    void readMouse(MouseReading& reading) override;
    // Shows every reading to the recorder of a session.
    void setTap(SessionTap* observer) { tap = observer; }
    // How many screen pixels the picture gives each game pixel, for the mouse's motion.
    void setPictureScale(double screenPerGame) { mouseScale.setScale(screenPerGame); }
    int attachedJoysticks() override;
    bool openJoystick(int number) override;
    void closeJoystick() override;
    bool readJoystick(JoystickReading& reading) override;

private:
    // SDL reports the wheel only as events, which the message loop drops; a watch sees them
    // first.
    static int watchWheel(void* self, SDL_Event* event);
    static int watchKeys(void* self, SDL_Event* event);

    bool joysticksReady = false;
    SDL_GameController* controller = nullptr;
    SDL_Joystick* joystick = nullptr;
    int wheel = 0;
    MouseScale mouseScale;
    SessionTap* tap = nullptr;
    bool watchingKeys = false;
    bool pressedSinceSnapshot[SDL_NUM_SCANCODES] = {};
    // A click inside one frame still counts as down for one reading, like a quick key tap.
    std::array<bool, 4> clickedSinceReading = {};
};

}  // namespace platform
