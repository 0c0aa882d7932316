#pragma once

#include <cstddef>
#include <cstdint>

#include "app/InputScript.h"

namespace platform {
class Backend;
class ScriptedInput;
}  // namespace platform

// Plays a script's events into scripted devices, pass by pass.
class ScriptPlayer {
public:
    ScriptPlayer() = default;
    explicit ScriptPlayer(session::InputScript script) : inputScript(std::move(script)) {}

    const session::InputScript& script() const { return inputScript; }

    // Applies the events of this pass, which must come after the last one played.
    void play(std::uint64_t pass, platform::ScriptedInput& input, platform::Backend& backend);

private:
    session::InputScript inputScript;
    std::size_t next = 0;
};
