#include "platform/sdl/SdlBackend.h"

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <ctime>

#include "platform/audio/Mixer.h"
#include "platform/input/KeyCodes.h"
#include "platform/sdl/PngFile.h"
#include "platform/sdl/X11WindowLoss.h"
#include "platform/video/ScreenSize.h"
#include "platform/video/Surface.h"
#include "platform/video/WidenPixels.h"

namespace platform {

namespace {

volatile std::sig_atomic_t signalsReceived = 0;
std::sig_atomic_t signalsTaken = 0;

extern "C" void onTerminationSignal(int) {
    signalsReceived = signalsReceived + 1;
}

void installSignalHandlers() {
    struct sigaction action {};
    action.sa_handler = onTerminationSignal;
    sigemptyset(&action.sa_mask);
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);
}

// Runs on SDL's audio thread; the mixer takes its own lock.
void SDLCALL pullAudio(void* mixer, Uint8* stream, int bytes) {
    static_cast<Mixer*>(mixer)->mix(
        {reinterpret_cast<std::int16_t*>(stream), static_cast<std::size_t>(bytes) / 2});
}

}  // namespace

SdlBackend::SdlBackend() {
    // Our own handlers turn SIGINT and SIGTERM into close requests, with or without a display.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    SDL_SetHint(SDL_HINT_RENDER_SCALE_QUALITY, "0");
    SDL_SetHint(SDL_HINT_VIDEO_MINIMIZE_ON_FOCUS_LOSS, "0");
    SDL_Init(0);
    installSignalHandlers();
}

SdlBackend::~SdlBackend() {
    closeAudio();
    closeDisplay();
    if (window != nullptr) SDL_DestroyWindow(window);
    SDL_Quit();
}

std::uint32_t SdlBackend::tickCount() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    const auto ms = static_cast<std::uint64_t>(now.tv_sec) * 1000u +
                    static_cast<std::uint64_t>(now.tv_nsec) / 1000000u;
    return static_cast<std::uint32_t>(ms);
}

void SdlBackend::idle(std::uint32_t milliseconds) {
    // One sleep to the moment the tick counter will have moved on by that much: the start of
    // that millisecond. Waking costs the processor far more than sleeping, so there is no
    // napping towards it; the caller reads the counter again in any case.
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    const std::uint64_t thisMillisecond = static_cast<std::uint64_t>(now.tv_sec) * 1000u +
                                          static_cast<std::uint64_t>(now.tv_nsec) / 1000000u;
    const std::uint64_t wake = thisMillisecond + std::max<std::uint32_t>(milliseconds, 1);
    timespec until{static_cast<time_t>(wake / 1000u), static_cast<long>(wake % 1000u) * 1000000L};
    while (clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &until, nullptr) == EINTR) {
    }
}

bool SdlBackend::startVideo() {
    if (videoReady) return true;
    if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) return false;
    // Without a screen SDL falls back on drivers that show nothing; the game only takes those
    // when they are asked for by name.
    const char* driver = SDL_GetCurrentVideoDriver();
    const char* asked = SDL_getenv("SDL_VIDEODRIVER");
    const bool invisible = driver != nullptr && (SDL_strcmp(driver, "offscreen") == 0 ||
                                                 SDL_strcmp(driver, "dummy") == 0);
    if (invisible && (asked == nullptr || SDL_strcasecmp(asked, driver) != 0)) {
        SDL_QuitSubSystem(SDL_INIT_VIDEO);
        return false;
    }
    videoReady = true;
    if (driver != nullptr && SDL_strcmp(driver, "x11") == 0) watchForLostWindow();
    SDL_AddEventWatch(watchOwnKeys, this);
    return true;
}

int SdlBackend::watchOwnKeys(void* self, SDL_Event* event) {
    if (event->type != SDL_KEYDOWN) return 0;
    auto* backend = static_cast<SdlBackend*>(self);
    const SDL_Keysym& key = event->key.keysym;
    if (key.scancode == SDL_SCANCODE_ESCAPE) backend->escapePressed = true;
    // The keys stay the game's as well: the controls file may still give them a command.
    if (event->key.repeat != 0) return 0;
    if (key.scancode == SDL_SCANCODE_F12) backend->screenshotWanted = true;
    const bool enter = key.scancode == SDL_SCANCODE_RETURN || key.scancode == SDL_SCANCODE_KP_ENTER;
    if (enter && (key.mod & KMOD_ALT) != 0) ++backend->togglesWanted;
    return 0;
}

void SdlBackend::toggleWindow() {
    if (window == nullptr) return;
    fullScreen = !fullScreen;
    if (fullScreen) {
        // Sized and placed by hand as well, for a desktop without a window manager.
        SDL_Rect desktop{0, 0, screenWidth, screenHeight};
        SDL_GetDisplayBounds(SDL_GetWindowDisplayIndex(window), &desktop);
        SDL_SetWindowResizable(window, SDL_FALSE);
        SDL_SetWindowBordered(window, SDL_FALSE);
        SDL_SetWindowPosition(window, desktop.x, desktop.y);
        SDL_SetWindowSize(window, desktop.w, desktop.h);
        SDL_SetWindowFullscreen(window, SDL_WINDOW_FULLSCREEN_DESKTOP);
    } else {
        SDL_SetWindowFullscreen(window, 0);
        SDL_SetWindowBordered(window, SDL_TRUE);
        SDL_SetWindowResizable(window, SDL_TRUE);
        SDL_SetWindowSize(window, screenWidth, screenHeight);
        SDL_SetWindowPosition(window, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED);
    }
}

bool SdlBackend::registerWindowClass(const std::string&) {
    return startVideo();
}

WindowHandle SdlBackend::createWindow(const std::string& caption, int x, int y, int width,
                                      int height) {
    if (!startVideo() || window != nullptr) return nullptr;
    // The window covers the whole desktop from the start: without a window manager to make it
    // full screen it would otherwise keep the game's own size while SDL draws for the desktop.
    SDL_Rect desktop{x, y, width, height};
    SDL_GetDisplayBounds(0, &desktop);
    window = SDL_CreateWindow(caption.c_str(), desktop.x, desktop.y, desktop.w, desktop.h,
                              SDL_WINDOW_FULLSCREEN_DESKTOP | SDL_WINDOW_BORDERLESS);
    return reinterpret_cast<WindowHandle>(window);
}

SDL_Window* SdlBackend::sdlWindow(WindowHandle handle) const {
    return handle != nullptr && reinterpret_cast<SDL_Window*>(handle) == window ? window : nullptr;
}

void SdlBackend::destroyWindow(WindowHandle handle) {
    SDL_Window* w = sdlWindow(handle);
    if (w == nullptr) return;
    // The renderer lives on the window; frames after this are not shown.
    closeDisplay();
    SDL_DestroyWindow(w);
    window = nullptr;
}

void SdlBackend::showWindow(WindowHandle handle, int) {
    if (SDL_Window* w = sdlWindow(handle)) {
        SDL_ShowWindow(w);
        SDL_RaiseWindow(w);
    }
}

void SdlBackend::pumpEvents() {
    if (!videoReady) return;
    SDL_PumpEvents();
    for (; togglesWanted > 0; --togglesWanted) toggleWindow();
    SDL_Event events[16];
    int n;
    while ((n = SDL_PeepEvents(events, 16, SDL_GETEVENT, SDL_QUIT, SDL_QUIT)) > 0) {
        closeRequests += n;
    }
    while ((n = SDL_PeepEvents(events, 16, SDL_GETEVENT, SDL_WINDOWEVENT, SDL_WINDOWEVENT)) > 0) {
        for (int i = 0; i < n; ++i) {
            if (events[i].window.event == SDL_WINDOWEVENT_CLOSE) ++closeRequests;
        }
    }
    SDL_FlushEvents(SDL_FIRSTEVENT, SDL_LASTEVENT);
}

InputHardware& SdlBackend::inputHardware() {
    if (playing != nullptr) return *playing;
    return input;
}

void SdlBackend::setTap(SessionTap* observer) {
    tap = observer;
    input.setTap(observer);
}

bool SdlBackend::takeCloseRequest() {
    pumpEvents();
    if (takeLostWindow()) ++closeRequests;
    const std::sig_atomic_t received = signalsReceived;
    if (received != signalsTaken) {
        signalsTaken = received;
        ++closeRequests;
    }
    if (closeRequests == 0) return false;
    // Several requests at once (the close button sends two events) count as one.
    closeRequests = 0;
    if (tap != nullptr) tap->closeTaken();
    return true;
}

bool SdlBackend::escapeDown() {
    // A session played back ends where its recording did, with or without a display.
    bool down = playing != nullptr && playing->keyDown(DIK_ESCAPE);
    if (videoReady) {
        pumpEvents();
        const Uint8* keys = SDL_GetKeyboardState(nullptr);
        down = down || escapePressed || (keys != nullptr && keys[SDL_SCANCODE_ESCAPE] != 0);
        escapePressed = false;
    }
    if (down && tap != nullptr) tap->escapeSeen();
    return down;
}

void SdlBackend::showCursor(bool show) {
    if (videoReady) SDL_ShowCursor(show ? SDL_ENABLE : SDL_DISABLE);
}

void SdlBackend::messageBox(const std::string& text, const std::string& caption) {
    if (videoReady && SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_ERROR, caption.c_str(), text.c_str(),
                                               window) == 0) {
        return;
    }
    std::fprintf(stderr, "%s: %s\n", caption.c_str(), text.c_str());
}

bool SdlBackend::openDisplay() {
    return videoReady;
}

void SdlBackend::closeDisplay() {
    if (texture != nullptr) SDL_DestroyTexture(texture);
    texture = nullptr;
    if (renderer != nullptr) SDL_DestroyRenderer(renderer);
    renderer = nullptr;
}

bool SdlBackend::takeOverScreen(WindowHandle handle) {
    SDL_Window* w = sdlWindow(handle);
    if (w == nullptr) return false;
    if (renderer == nullptr) {
        // No vsync: the frame loop paces itself.
        renderer = SDL_CreateRenderer(w, -1, SDL_RENDERER_ACCELERATED);
        if (renderer == nullptr) renderer = SDL_CreateRenderer(w, -1, SDL_RENDERER_SOFTWARE);
    }
    return renderer != nullptr;
}

bool SdlBackend::setDisplayMode(int width, int height, int bitsPerPixel) {
    if (renderer == nullptr || bitsPerPixel != 16) return false;
    if (texture != nullptr) SDL_DestroyTexture(texture);
    // A renderer that does not take 5-6-5 as it is would convert every frame inside SDL; it
    // gets 8-bit components from our own loop instead.
    SDL_RendererInfo info{};
    SDL_GetRendererInfo(renderer, &info);
    textureWide = true;
    for (Uint32 i = 0; i < info.num_texture_formats; ++i) {
        if (info.texture_formats[i] == SDL_PIXELFORMAT_RGB565) textureWide = false;
    }
    texture =
        SDL_CreateTexture(renderer, textureWide ? SDL_PIXELFORMAT_ARGB8888 : SDL_PIXELFORMAT_RGB565,
                          SDL_TEXTUREACCESS_STREAMING, width, height);
    if (texture == nullptr) return false;
    SDL_RenderSetLogicalSize(renderer, width, height);
    SDL_SetRenderDrawColor(renderer, 0, 0, 0, 255);
    return true;
}

void SdlBackend::present(const Surface& frame) {
    if (renderer == nullptr || texture == nullptr) return;
    if (textureWide) {
        void* pixels = nullptr;
        int pitch = 0;
        if (SDL_LockTexture(texture, nullptr, &pixels, &pitch) != 0) return;
        for (int y = 0; y < frame.height(); ++y) {
            widen565(frame.row(y),
                     reinterpret_cast<std::uint32_t*>(static_cast<char*>(pixels) +
                                                      static_cast<std::ptrdiff_t>(y) * pitch),
                     static_cast<std::size_t>(frame.width()));
        }
        SDL_UnlockTexture(texture);
    } else {
        SDL_UpdateTexture(texture, nullptr, frame.row(0), frame.pitch() * 2);
    }
    if (screenshotWanted) {
        screenshotWanted = false;
        // Beside the log, in the working directory.
        if (!screenshots) screenshots = std::make_unique<ScreenshotWriter>("screenshots", writePng);
        screenshots->take(frame.row(0), frame.width(), frame.height(), frame.pitch());
    }
    SDL_RenderClear(renderer);
    SDL_RenderCopy(renderer, texture, nullptr, nullptr);
    SDL_RenderPresent(renderer);
    // The picture keeps its shape, so both axes share one scale.
    float scale = 1;
    SDL_RenderGetScale(renderer, &scale, nullptr);
    input.setPictureScale(scale);
}

bool SdlBackend::openAudio(Mixer& mixer) {
    if (audioDevice != 0 || SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return false;
    SDL_AudioSpec want{};
    want.freq = mixer.outputRate();
    want.format = AUDIO_S16SYS;
    want.channels = 2;
    want.samples = 1024;
    want.callback = pullAudio;
    want.userdata = &mixer;
    // No changes allowed: SDL converts to whatever the card wants.
    audioDevice = SDL_OpenAudioDevice(nullptr, 0, &want, nullptr, 0);
    if (audioDevice == 0) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return false;
    }
    SDL_PauseAudioDevice(audioDevice, 0);
    return true;
}

void SdlBackend::closeAudio() {
    if (audioDevice == 0) return;
    // Waits for the callback to finish; the mixer is ours again afterwards.
    SDL_CloseAudioDevice(audioDevice);
    audioDevice = 0;
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

}  // namespace platform
