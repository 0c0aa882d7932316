#pragma once

#include <memory>
#include <string>

#include "platform/audio/SoundBuffer.h"
#include "platform/audio/SoundDevice.h"

// One WAV file read whole into a sound buffer of its own format. When the file or the buffer
// fails the sound is still made, without a buffer, and every operation on it stays harmless.
class Sound {
public:
    Sound(platform::SoundDevice* ds, const std::string& fileName);
    ~Sound();
    Sound(const Sound&) = delete;
    Sound& operator=(const Sound&) = delete;

    // 0 (-30 dB) to 100 (full volume).
    bool setVolume(int volume);
    // Samples per second.
    bool setFreq(int frequency);
    // -10000 left to 10000 right.
    bool setPan(int pan);
    // The buffer's status bits; 0 without a buffer.
    int getStatus() const;

    platform::SoundBuffer* getSoundBuffer() const { return soundBuffer.get(); }
    void setState(int newState) { state = newState; }
    int getState() const { return state; }

private:
    std::unique_ptr<platform::SoundBuffer> soundBuffer;
    int state = 0;
};
