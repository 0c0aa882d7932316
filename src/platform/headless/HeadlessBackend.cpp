#include "platform/headless/HeadlessBackend.h"

#include <algorithm>

#include "platform/audio/Mixer.h"
#include "platform/video/Surface.h"

namespace platform {

HeadlessBackend::HeadlessBackend() = default;
HeadlessBackend::~HeadlessBackend() = default;

void HeadlessBackend::fail(Fault fault, int times, int after) {
    faults[static_cast<std::size_t>(fault)] = Pending{times, after};
}

bool HeadlessBackend::fail(std::string_view name, int times, int after) {
    const std::optional<Fault> fault = findFault(name);
    if (fault) fail(*fault, times, after);
    return fault.has_value();
}

void HeadlessBackend::clearFaults() {
    faults.fill(Pending{});
}

bool HeadlessBackend::faultInjected(Fault fault) {
    Pending& pending = faults[static_cast<std::size_t>(fault)];
    if (pending.times == 0) return false;
    if (pending.after > 0) {
        --pending.after;
        return false;
    }
    if (pending.times > 0) --pending.times;
    return true;
}

void HeadlessBackend::idle(std::uint32_t milliseconds) {
    const std::uint32_t step = std::max<std::uint32_t>(milliseconds, 1);
    now += step;
    idled += step;
}

bool HeadlessBackend::registerWindowClass(const std::string&) {
    return true;
}

WindowHandle HeadlessBackend::createWindow(const std::string& text, int x, int y, int width,
                                           int height) {
    if (windowAlive) return nullptr;
    window = Window{x, y, width, height};
    windowAlive = true;
    windowVisible = true;
    caption = text;
    return reinterpret_cast<WindowHandle>(&window);
}

void HeadlessBackend::destroyWindow(WindowHandle handle) {
    if (handle == reinterpret_cast<WindowHandle>(&window)) {
        windowAlive = false;
        windowVisible = false;
    }
}

void HeadlessBackend::showWindow(WindowHandle handle, int) {
    if (windowAlive && handle == reinterpret_cast<WindowHandle>(&window)) windowVisible = true;
}

bool HeadlessBackend::takeCloseRequest() {
    if (closeRequests == 0) return false;
    --closeRequests;
    return true;
}

void HeadlessBackend::messageBox(const std::string& text, const std::string& title) {
    boxes.push_back({text, title});
}

bool HeadlessBackend::openDisplay() {
    displayIsOpen = true;
    return true;
}

void HeadlessBackend::closeDisplay() {
    displayIsOpen = false;
    screenTaken = false;
    modeWidth = 0;
    modeHeight = 0;
}

bool HeadlessBackend::takeOverScreen(WindowHandle handle) {
    if (!displayIsOpen || !windowAlive || handle != reinterpret_cast<WindowHandle>(&window)) {
        return false;
    }
    screenTaken = true;
    return true;
}

bool HeadlessBackend::setDisplayMode(int width, int height, int) {
    if (!screenTaken) return false;
    modeWidth = width;
    modeHeight = height;
    return true;
}

void HeadlessBackend::present(const Surface& surface) {
    shown = &surface;
    lastWidth = surface.width();
    lastHeight = surface.height();
    ++presented;
}

void HeadlessBackend::surfaceGone(const Surface& surface) {
    if (&surface != shown) return;
    lastFrame();
    shown = nullptr;
}

const std::vector<std::uint16_t>& HeadlessBackend::lastFrame() const {
    if (shown == nullptr || copied == presented) return frame;
    frame.resize(static_cast<std::size_t>(lastWidth) * static_cast<std::size_t>(lastHeight));
    for (int y = 0; y < lastHeight; ++y) {
        std::copy_n(
            shown->row(y), lastWidth,
            frame.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(lastWidth));
    }
    copied = presented;
    return frame;
}

std::uint16_t HeadlessBackend::framePixel(int x, int y) const {
    if (shown != nullptr) return shown->pixel(x, y);
    return frame[static_cast<std::size_t>(y) * static_cast<std::size_t>(lastWidth) +
                 static_cast<std::size_t>(x)];
}

bool HeadlessBackend::openAudio(Mixer& mixer) {
    if (audioMixer != nullptr) return false;
    audioMixer = &mixer;
    return true;
}

void HeadlessBackend::closeAudio() {
    audioMixer = nullptr;
}

void HeadlessBackend::renderAudio(std::span<std::int16_t> stereoFrames) {
    if (audioMixer == nullptr) {
        std::fill(stereoFrames.begin(), stereoFrames.end(), 0);
        return;
    }
    audioMixer->mix(stereoFrames);
}

}  // namespace platform
