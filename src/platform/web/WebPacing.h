#pragma once

#include <cstdint>
#include <optional>

namespace platform {

// The game's clock in the browser. It never waits: a wait moves it on at once by what was asked,
// and the page's frame callback does the pacing. Played live it follows the browser's clock,
// caught up at the start of each pass; played from a script it moves only by the waits, 16 ms a
// pass, as the headless runner's does.
class WebClock {
public:
    std::uint32_t now() const { return ticks; }
    // The wait at the end of a frame: over at once.
    void wait(std::uint32_t milliseconds) { ticks += milliseconds > 0 ? milliseconds : 1; }
    // The browser's clock at the start of a live pass; the game's never runs backwards.
    void catchUp(std::uint32_t browserMilliseconds) {
        if (static_cast<std::int32_t>(browserMilliseconds - ticks) > 0) ticks = browserMilliseconds;
    }

private:
    std::uint32_t ticks = 0;
};

// Which of the page's frame callbacks run a pass: one pass per callback, once at least a
// frame's time has gone by since the last pass began. A tab that was hidden gets one pass on
// its return, never a burst to catch up.
class FramePacer {
public:
    explicit FramePacer(double frameMilliseconds) : frame(frameMilliseconds) {}

    bool due(double callbackMilliseconds) {
        if (last && callbackMilliseconds - *last < frame) return false;
        last = callbackMilliseconds;
        return true;
    }

private:
    double frame;
    std::optional<double> last;
};

}  // namespace platform
