#pragma once

#include <memory>

#include "platform/audio/SoundBuffer.h"
#include "platform/window/WindowTypes.h"

namespace platform {

class Mixer;

// The sound device: the machine's sound output fed by our own mixer, and the maker of the
// secondary buffers it plays. Closing the device silences the output; buffers still held
// afterwards stay usable but are heard no more.
class SoundDevice {
public:
    // Every output runs at this rate, 16-bit stereo.
    static constexpr int outputRate = 44100;

    // Null when the machine has no sound output.
    static std::unique_ptr<SoundDevice> create();
    ~SoundDevice();
    SoundDevice(const SoundDevice&) = delete;
    SoundDevice& operator=(const SoundDevice&) = delete;

    // The device follows the given window; it needs one.
    bool setCooperativeLevel(WindowHandle window);
    // Null when the description asks for a format or size the mixer cannot play: PCM only,
    // one or two channels of 8 or 16 bits, a block of channels x bits / 8 bytes, 100..100000
    // samples per second, and whole blocks from 4 bytes to just under 256 MiB.
    std::unique_ptr<SoundBuffer> createSoundBuffer(const BufferDesc& desc);

private:
    SoundDevice() = default;

    std::shared_ptr<Mixer> mixer;
};

}  // namespace platform
