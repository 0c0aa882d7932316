#include "app/ScriptPlayer.h"

#include "platform/Backend.h"
#include "platform/input/ScriptedInput.h"

void ScriptPlayer::play(std::uint64_t pass, platform::ScriptedInput& input,
                        platform::Backend& backend) {
    using Kind = session::ScriptEvent::Kind;
    for (; next < inputScript.events.size() && inputScript.events[next].pass <= pass; ++next) {
        const session::ScriptEvent& e = inputScript.events[next];
        switch (e.kind) {
            case Kind::key:
                input.setKey(e.a, e.down);
                break;
            case Kind::mouseMove:
                input.moveMouse(e.a, e.b);
                break;
            case Kind::mouseButton:
                input.setMouseButton(e.a, e.down);
                break;
            case Kind::joystickAxes:
                input.setJoystickAxes(e.a, e.b);
                break;
            case Kind::joystickButton:
                input.setJoystickButton(e.a, e.down);
                break;
            case Kind::close:
                backend.requestClose();
                break;
        }
    }
}
