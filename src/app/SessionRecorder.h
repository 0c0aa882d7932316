#pragma once

#include <array>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>

#include "app/InputScript.h"
#include "platform/files/FileTap.h"
#include "platform/input/SessionTap.h"

// Writes down what the game reads on each pass as an input script that replays the session:
// the changes of the key snapshot, the mouse's motion and buttons, the joystick, close
// requests and Escape, and the controls file each time the game reads it. Every pass's lines reach
// the file when the pass ends, so a session cut short keeps what was played.
class SessionRecorder : public platform::SessionTap, public platform::FileTap {
public:
    // Null, with nothing written, when the file cannot be made.
    static std::unique_ptr<SessionRecorder> create(const std::string& file);
    ~SessionRecorder() override;

    void beginPass(std::uint64_t pass);
    void endPass();

    void keysRead(const platform::KeyboardState& keys) override;
    void mouseRead(const platform::MouseReading& reading) override;
    void joystickRead(const platform::JoystickReading& reading) override;
    void closeTaken() override;
    void escapeSeen() override;

    bool standIn(const std::string&, std::optional<std::string>&) override { return false; }
    void fileRead(const std::string& name, const std::optional<std::string>& bytes) override;

private:
    explicit SessionRecorder(std::FILE* out);
    void write(session::ScriptEvent::Kind kind, int a, int b, bool down);

    std::FILE* out;
    std::uint64_t pass = 0;
    std::array<bool, 256> keys = {};
    std::array<bool, 4> mouseButtons = {};
    bool joystickSeen = false;
    platform::JoystickReading joystick;
    // Escape ends the game after this pass; the replay must see it down throughout.
    bool escapeThisPass = false;
};
