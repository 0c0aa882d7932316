#include "app/SessionRecorder.h"

#include "platform/input/KeyCodes.h"

std::unique_ptr<SessionRecorder> SessionRecorder::create(const std::string& file) {
    std::FILE* out = std::fopen(file.c_str(), "w");
    if (out == nullptr) return nullptr;
    std::fprintf(out, "%s\n", std::string(session::recordingMark).c_str());
    std::fflush(out);
    return std::unique_ptr<SessionRecorder>(new SessionRecorder(out));
}

SessionRecorder::SessionRecorder(std::FILE* out) : out(out) {}

SessionRecorder::~SessionRecorder() {
    std::fclose(out);
}

void SessionRecorder::beginPass(std::uint64_t number) {
    pass = number;
    escapeThisPass = false;
}

void SessionRecorder::endPass() {
    std::fflush(out);
}

void SessionRecorder::write(session::ScriptEvent::Kind kind, int a, int b, bool down) {
    const std::string line = session::scriptLine({pass, kind, a, b, down}) + "\n";
    std::fputs(line.c_str(), out);
}

void SessionRecorder::keysRead(const platform::KeyboardState& snapshot) {
    for (int code = 0; code < 256; ++code) {
        const bool down = (snapshot[static_cast<std::size_t>(code)] & platform::pressed) != 0;
        if (down == keys[static_cast<std::size_t>(code)]) continue;
        if (code == platform::DIK_ESCAPE && escapeThisPass) continue;
        keys[static_cast<std::size_t>(code)] = down;
        write(session::ScriptEvent::Kind::key, code, 0, down);
    }
}

void SessionRecorder::mouseRead(const platform::MouseReading& reading) {
    if (reading.dx != 0 || reading.dy != 0) {
        write(session::ScriptEvent::Kind::mouseMove, reading.dx, reading.dy, false);
    }
    for (std::size_t b = 0; b < mouseButtons.size(); ++b) {
        if (reading.buttons[b] == mouseButtons[b]) continue;
        mouseButtons[b] = reading.buttons[b];
        write(session::ScriptEvent::Kind::mouseButton, static_cast<int>(b), 0, reading.buttons[b]);
    }
}

void SessionRecorder::joystickRead(const platform::JoystickReading& reading) {
    // The first reading is written even at rest: the replay then has a joystick too.
    if (!joystickSeen || reading.x != joystick.x || reading.y != joystick.y) {
        write(session::ScriptEvent::Kind::joystickAxes, reading.x, reading.y, false);
    }
    for (std::size_t b = 0; b < reading.buttons.size(); ++b) {
        if (reading.buttons[b] == joystick.buttons[b]) continue;
        write(session::ScriptEvent::Kind::joystickButton, static_cast<int>(b), 0,
              reading.buttons[b]);
    }
    joystick = reading;
    joystickSeen = true;
}

void SessionRecorder::closeTaken() {
    write(session::ScriptEvent::Kind::close, 0, 0, false);
}

void SessionRecorder::fileRead(const std::string& name, const std::optional<std::string>& bytes) {
    if (name != "controls.cfg") return;
    std::fputs((session::scriptLine(session::ControlsRead{pass, bytes}) + "\n").c_str(), out);
}

void SessionRecorder::escapeSeen() {
    escapeThisPass = true;
    if (keys[platform::DIK_ESCAPE]) return;
    keys[platform::DIK_ESCAPE] = true;
    write(session::ScriptEvent::Kind::key, platform::DIK_ESCAPE, 0, true);
}
