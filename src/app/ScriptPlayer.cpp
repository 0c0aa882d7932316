#include "app/ScriptPlayer.h"

#include "platform/Backend.h"
#include "platform/input/ScriptedInput.h"

void ScriptPlayer::load(session::InputScript script) {
    inputScript = std::move(script);
    next = 0;
    nextControls = 0;
    controls = nullptr;
}

void ScriptPlayer::play(std::uint64_t pass, platform::ScriptedInput& input,
                        platform::Backend& backend) {
    using Kind = session::ScriptEvent::Kind;
    for (; nextControls < inputScript.controls.size() &&
           inputScript.controls[nextControls].pass <= pass;
         ++nextControls) {
        controls = &inputScript.controls[nextControls];
    }
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

bool ScriptPlayer::standIn(const std::string& name, std::optional<std::string>& bytes) {
    if (controls == nullptr || name != "controls.cfg") return false;
    bytes = controls->file;
    return true;
}
