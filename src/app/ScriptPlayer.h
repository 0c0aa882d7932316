#pragma once

#include <cstddef>
#include <cstdint>

#include "app/InputScript.h"
#include "platform/files/FileTap.h"

namespace platform {
class Backend;
class ScriptedInput;
}  // namespace platform

// Plays a script's events into scripted devices, pass by pass. Installed as the file tap, it
// hands the game the controls file that the script's last controls line carried, instead of the
// folder's.
class ScriptPlayer : public platform::FileTap {
public:
    // Starts over with this script.
    void load(session::InputScript script);

    const session::InputScript& script() const { return inputScript; }

    // Applies the events of this pass, which must come after the last one played.
    void play(std::uint64_t pass, platform::ScriptedInput& input, platform::Backend& backend);

    bool standIn(const std::string& name, std::optional<std::string>& bytes) override;
    void fileRead(const std::string&, const std::optional<std::string>&) override {}

private:
    session::InputScript inputScript;
    std::size_t next = 0;
    std::size_t nextControls = 0;
    // The controls file of the last controls line played, if there was one.
    const session::ControlsRead* controls = nullptr;
};
