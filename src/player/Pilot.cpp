#include "player/Pilot.h"

#include <array>
#include <optional>

#include "log/Log.h"
#include "platform/files/InputFile.h"

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
    platform::InputFile file("controls.cfg");
    if (!file.isOpen()) {
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
    while (entry < entryCount && total < maximumFileBytes) {
        const std::size_t got = file.read(buffer.data(), buffer.size());
        if (got == 0) break;
        for (std::size_t i = 0; i < got && entry < entryCount; ++i) {
            if (buffer[i] == '\n') {
                endLine();
            } else {
                line.take(buffer[i]);
            }
        }
        total += static_cast<long long>(got);
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
