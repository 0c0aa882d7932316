#include "player/Pilot.h"

#include <array>
#include <filesystem>
#include <fstream>
#include <optional>

#include "log/Log.h"

namespace {

constexpr int entryCount = 12;

// One line of the file as it streams past, never held whole: whether it is a comment, and the
// integer a standard input stream would read from its start (blanks skipped, an optional sign,
// decimal digits up to the first character that is not one).
class LineScanner {
public:
    void take(char c) {
        started = true;
        comment = comment || (previousSlash && c == '/');
        previousSlash = c == '/';
        if (state == State::blanks && isSpace(c)) return;
        if (state == State::blanks && (c == '+' || c == '-')) {
            negative = c == '-';
            state = State::sign;
            return;
        }
        if (state != State::done && c >= '0' && c <= '9') {
            // Past the range of an int the stream fails; stop counting before the sum could.
            if (magnitude <= outOfRange) magnitude = magnitude * 10 + (c - '0');
            hasDigits = true;
            state = State::digits;
            return;
        }
        state = State::done;
    }

    bool hasStarted() const { return started; }
    bool isComment() const { return comment; }
    // Nothing when the line holds no number there, or one out of an int's range.
    std::optional<int> value() const {
        if (!hasDigits) return std::nullopt;
        const long long signedValue = negative ? -magnitude : magnitude;
        if (signedValue < -outOfRange || signedValue >= outOfRange) return std::nullopt;
        return static_cast<int>(signedValue);
    }

private:
    enum class State { blanks, sign, digits, done };
    static constexpr long long outOfRange = 2147483648ll;

    static bool isSpace(char c) {
        return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
    }

    State state = State::blanks;
    bool started = false;
    bool comment = false;
    bool previousSlash = false;
    bool negative = false;
    bool hasDigits = false;
    long long magnitude = 0;
};

}  // namespace

Pilot::Pilot(std::string) {
    // Only a plain file is read: a pipe would wait for a writer, a device might never end.
    std::error_code error;
    const bool plainFile = std::filesystem::is_regular_file("controls.cfg", error);
    std::ifstream file;
    if (plainFile) file.open("controls.cfg");
    if (!file.is_open()) {
        logLine("ERROR: unable to open controls.cfg");
        return;
    }

    std::optional<int> lastValue;
    int entry = 0;
    LineScanner line;
    const auto endLine = [&] {
        if (!line.isComment()) {
            if (const std::optional<int> v = line.value()) lastValue = v;
            assign(entry, lastValue);
            ++entry;
        }
        line = LineScanner{};
    };

    std::array<char, 1 << 16> buffer;
    long long total = 0;
    while (entry < entryCount && total < maximumFileBytes && file) {
        file.read(buffer.data(), static_cast<std::streamsize>(buffer.size()));
        const std::streamsize got = file.gcount();
        if (got <= 0) break;
        for (std::streamsize i = 0; i < got && entry < entryCount; ++i) {
            if (buffer[static_cast<std::size_t>(i)] == '\n') {
                endLine();
            } else {
                line.take(buffer[static_cast<std::size_t>(i)]);
            }
        }
        total += got;
    }
    // A last line without a line feed still counts.
    if (entry < entryCount && line.hasStarted()) endLine();
}

void Pilot::assign(int entry, std::optional<int> value) {
    if (entry == 0) {
        if (value == 1 || value == 0) {
            usingJoy = *value == 1;
        } else {
            logLine("ERROR: Pilot: bad usingJoy bool value for keyboard");
        }
        return;
    }
    if (!value) return;
    int* const fields[entryCount] = {nullptr,        &inputFacing,   &inputAcceleration,
                                     &inputShootStr, &inputShootUp,  &inputShootDown,
                                     &inputModeUp,   &inputModeDown, &keyboardUp,
                                     &keyboardDown,  &keyboardLeft,  &keyboardRight};
    if (entry < entryCount) *fields[entry] = *value;
}
