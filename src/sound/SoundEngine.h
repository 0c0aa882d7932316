#pragma once

#include <memory>

#include "platform/audio/SoundDevice.h"
#include "platform/window/WindowTypes.h"

class Sound;

// Owns the sound device for the window and plays and stops sounds on it. Without a device
// the game runs on in silence.
class SoundEngine {
public:
    explicit SoundEngine(platform::WindowHandle window);
    ~SoundEngine();
    SoundEngine(const SoundEngine&) = delete;
    SoundEngine& operator=(const SoundEngine&) = delete;

    // Rewinds the sound and plays it; `flags` 0 plays it once, DSBPLAY_LOOPING until stopped.
    bool playSound(Sound* sound, int flags);
    // Stops and rewinds the sound. Always true.
    bool stopSound(Sound* sound);

    platform::SoundDevice* getDSObject() const { return dsObject.get(); }

    // The states a sound goes through.
    const int loaded;
    const int playing;
    const int stopped;

private:
    std::unique_ptr<platform::SoundDevice> dsObject;
};
