#include "platform/web/WebBackend.h"

#include <emscripten.h>
#include <emscripten/html5.h>

#include <cstdio>
#include <string_view>

#include "platform/audio/Mixer.h"
#include "platform/input/KeyCodes.h"
#include "platform/input/PhysicalKeys.h"
#include "platform/video/Surface.h"

namespace platform {

namespace {

// The page's side of each call lives in its script (corvanesPage).
EM_JS(void, pageSetCanvasSize, (int width, int height),
      { Module.corvanesPage.setCanvasSize(width, height); });
EM_JS(void, pageDrawFrame, (const std::uint8_t* bytes, int width, int height),
      { Module.corvanesPage.drawFrame(HEAPU8, bytes, width, height); });
EM_JS(void, pageSavePng, (), { Module.corvanesPage.savePng(); });
EM_JS(void, pageToggleFullScreen, (), { Module.corvanesPage.toggleFullScreen(); });
EM_JS(void, pageShowCursor, (bool show), { Module.corvanesPage.showCursor(show); });
EM_JS(void, pageMessage, (const char* caption, const char* text),
      { Module.corvanesPage.message(UTF8ToString(caption), UTF8ToString(text)); });
EM_JS(bool, pageOpenAudio, (int rate), { return Module.corvanesPage.openAudio(rate); });
EM_JS(void, pageCloseAudio, (), { Module.corvanesPage.closeAudio(); });

// The mixer that Web Audio pulls from, and the frames it last pulled.
Mixer* audioMixer = nullptr;
std::vector<std::int16_t> audioFrames;

WebBackend* keyTarget = nullptr;

EM_BOOL onKey(int type, const EmscriptenKeyboardEvent* e, void*) {
    if (keyTarget == nullptr) return EM_FALSE;
    return keyTarget->keyEvent(e->code, type == EMSCRIPTEN_EVENT_KEYDOWN, e->repeat, e->altKey,
                               e->ctrlKey || e->metaKey);
}

bool browserHasEscape() {
    EmscriptenPointerlockChangeEvent lock{};
    EmscriptenFullscreenChangeEvent full{};
    const bool locked =
        emscripten_get_pointerlock_status(&lock) == EMSCRIPTEN_RESULT_SUCCESS && lock.isActive;
    const bool fullScreen =
        emscripten_get_fullscreen_status(&full) == EMSCRIPTEN_RESULT_SUCCESS && full.isFullscreen;
    return locked || fullScreen;
}

}  // namespace

// Called by the page's audio callback: the next frames of the mix, left and right pairs.
extern "C" EMSCRIPTEN_KEEPALIVE const std::int16_t* corvanes_mix_audio(int frames) {
    audioFrames.resize(static_cast<std::size_t>(frames) * 2);
    if (audioMixer != nullptr) {
        audioMixer->mix(audioFrames);
    } else {
        std::fill(audioFrames.begin(), audioFrames.end(), 0);
    }
    return audioFrames.data();
}

WebBackend::WebBackend(bool playScript) : scripted(playScript), live("#canvas") {
    if (scripted) return;
    keyTarget = this;
    emscripten_set_keydown_callback(EMSCRIPTEN_EVENT_TARGET_WINDOW, this, EM_FALSE, onKey);
    emscripten_set_keyup_callback(EMSCRIPTEN_EVENT_TARGET_WINDOW, this, EM_FALSE, onKey);
}

WebBackend::~WebBackend() {
    closeAudio();
    if (keyTarget != this) return;
    keyTarget = nullptr;
    emscripten_set_keydown_callback(EMSCRIPTEN_EVENT_TARGET_WINDOW, nullptr, EM_FALSE, nullptr);
    emscripten_set_keyup_callback(EMSCRIPTEN_EVENT_TARGET_WINDOW, nullptr, EM_FALSE, nullptr);
}

bool WebBackend::keyEvent(const char* code, bool down, bool repeat, bool alt, bool control) {
    const std::string_view name = code;
    if (down && !repeat) {
        if (name == "F12") screenshotWanted = true;
        if (alt && (name == "Enter" || name == "NumpadEnter")) pageToggleFullScreen();
    }
    // Escape stays the browser's while the pointer is locked or the page is full screen.
    if (name == "Escape" && browserHasEscape()) return false;
    const std::optional<std::uint8_t> key = keyCodeOfWebCode(name);
    if (!key) return false;
    if (down && *key == DIK_ESCAPE) escapePressed = true;
    live.keyChanged(*key, down);
    // The browser keeps its own shortcuts (with Ctrl or Cmd), reload and full screen; every
    // other key is the game's, and scrolls nothing.
    return !control && name != "F5" && name != "F11";
}

void WebBackend::draw() {
    if (shown == nullptr) return;
    const int width = shown->width();
    const int height = shown->height();
    canvasBytes.resize(static_cast<std::size_t>(width) * static_cast<std::size_t>(height) * 4);
    for (int y = 0; y < height; ++y) {
        pixels->convert(
            shown->row(y),
            canvasBytes.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(width) * 4,
            static_cast<std::size_t>(width));
    }
    pageDrawFrame(canvasBytes.data(), width, height);
    if (screenshotWanted) {
        screenshotWanted = false;
        pageSavePng();
    }
}

bool WebBackend::registerWindowClass(const std::string&) {
    return true;
}

WindowHandle WebBackend::createWindow(const std::string&, int, int, int, int) {
    if (windowAlive) return nullptr;
    windowAlive = true;
    return reinterpret_cast<WindowHandle>(this);
}

void WebBackend::destroyWindow(WindowHandle window) {
    if (window == reinterpret_cast<WindowHandle>(this)) windowAlive = false;
}

void WebBackend::showWindow(WindowHandle, int) {}

bool WebBackend::takeCloseRequest() {
    if (closeRequests == 0) return false;
    --closeRequests;
    return true;
}

bool WebBackend::escapeDown() {
    if (scripted) return script.keyDown(DIK_ESCAPE);
    const bool down = escapePressed;
    escapePressed = false;
    return down;
}

void WebBackend::showCursor(bool show) {
    if (!scripted) pageShowCursor(show);
}

void WebBackend::messageBox(const std::string& text, const std::string& caption) {
    pageMessage(caption.c_str(), text.c_str());
}

InputHardware& WebBackend::inputHardware() {
    if (scripted) return script;
    return live;
}

bool WebBackend::openDisplay() {
    displayIsOpen = true;
    return true;
}

void WebBackend::closeDisplay() {
    displayIsOpen = false;
    screenTaken = false;
    shown = nullptr;
}

bool WebBackend::takeOverScreen(WindowHandle window) {
    if (!displayIsOpen || !windowAlive || window != reinterpret_cast<WindowHandle>(this)) {
        return false;
    }
    screenTaken = true;
    return true;
}

bool WebBackend::setDisplayMode(int width, int height, int) {
    if (!screenTaken) return false;
    if (!pixels) pixels = std::make_unique<CanvasPixels>();
    pageSetCanvasSize(width, height);
    return true;
}

void WebBackend::present(const Surface& frame) {
    shown = &frame;
}

bool WebBackend::openAudio(Mixer& mixer) {
    if (audioOpen) return false;
    audioMixer = &mixer;
    // A scripted run shows only the picture; its sound output opens as the runner's does.
    audioOpen = scripted || pageOpenAudio(mixer.outputRate());
    if (!audioOpen) audioMixer = nullptr;
    return audioOpen;
}

void WebBackend::closeAudio() {
    if (!audioOpen) return;
    if (!scripted) pageCloseAudio();
    audioMixer = nullptr;
    audioOpen = false;
}

}  // namespace platform
