#include "sound/SoundEngine.h"

#include "log/Log.h"
#include "sound/Sound.h"

SoundEngine::SoundEngine(platform::WindowHandle window) : loaded(1), playing(2), stopped(3) {
    dsObject = platform::SoundDevice::create();
    if (!dsObject) {
        logLine("ERROR: Unable to create direct sound device");
        return;
    }
    // The device is kept even so; its buffers still play.
    if (!dsObject->setCooperativeLevel(window)) {
        logLine("ERROR: Unable to set sound cooperation level");
    }
}

SoundEngine::~SoundEngine() {
    dsObject.reset();
}

bool SoundEngine::playSound(Sound* sound, int flags) {
    platform::SoundBuffer* buffer = sound != nullptr ? sound->getSoundBuffer() : nullptr;
    if (buffer == nullptr) {
        logLine("ERROR: could not play sound");
        return false;
    }
    if (!buffer->setCurrentPosition(0)) {
        logLine("ERROR: Unable to set current position in sound");
        return false;
    }
    if (!buffer->play(static_cast<std::uint32_t>(flags))) {
        logLine("ERROR: unable to play sound");
        return false;
    }
    sound->setState(playing);
    return true;
}

bool SoundEngine::stopSound(Sound* sound) {
    if (sound == nullptr) return true;
    if (platform::SoundBuffer* buffer = sound->getSoundBuffer()) {
        buffer->stop();
        buffer->setCurrentPosition(0);
    }
    sound->setState(stopped);
    return true;
}
