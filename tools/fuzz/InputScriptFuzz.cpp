// Reads arbitrary bytes as a runner's input script: either a clean refusal naming a line, or
// events that keep the script's promises.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "app/InputScript.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    session::InputScript script;
    std::string error;
    if (!session::parseInputScript(text, script, error)) {
        if (error.rfind("line ", 0) != 0 || !script.events.empty()) std::abort();
        return 0;
    }
    using Kind = session::ScriptEvent::Kind;
    std::uint64_t last = 0;
    bool joystick = false;
    for (const session::ScriptEvent& e : script.events) {
        if (e.pass < last) std::abort();
        last = e.pass;
        if (e.kind == Kind::key && (e.a < 0 || e.a > 255)) std::abort();
        if (e.kind == Kind::mouseButton && (e.a < 0 || e.a > 3)) std::abort();
        if (e.kind == Kind::joystickButton && (e.a < 0 || e.a > 9)) std::abort();
        if (e.kind == Kind::joystickAxes &&
            (e.a < -32768 || e.a > 32767 || e.b < -32768 || e.b > 32767)) {
            std::abort();
        }
        joystick = joystick || e.kind == Kind::joystickAxes || e.kind == Kind::joystickButton;
    }
    if (joystick != script.usesJoystick) std::abort();
    return 0;
}
