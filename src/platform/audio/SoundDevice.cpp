#include "platform/audio/SoundDevice.h"

#include <utility>

#include "platform/Backend.h"
#include "platform/audio/Mixer.h"

namespace platform {

namespace {

constexpr std::uint32_t bufferBytesMin = 4;
constexpr std::uint32_t bufferBytesMax = 0x0FFFFFFF;

bool playable(const WaveFormat& f) {
    return f.formatTag == waveFormatPcm && (f.channels == 1 || f.channels == 2) &&
           (f.bitsPerSample == 8 || f.bitsPerSample == 16) &&
           f.blockAlign == f.channels * f.bitsPerSample / 8 && f.samplesPerSec >= 100 &&
           f.samplesPerSec <= 100000;
}

}  // namespace

std::unique_ptr<SoundDevice> SoundDevice::create() {
    Backend& b = backend();
    if (b.faultInjected(Fault::soundCreate)) return nullptr;
    auto mixer = std::make_shared<Mixer>(outputRate);
    if (!b.openAudio(*mixer)) return nullptr;
    std::unique_ptr<SoundDevice> device(new SoundDevice());
    device->mixer = std::move(mixer);
    return device;
}

SoundDevice::~SoundDevice() {
    backend().closeAudio();
}

bool SoundDevice::setCooperativeLevel(WindowHandle window) {
    if (backend().faultInjected(Fault::soundCooperativeLevel)) return false;
    return window != nullptr;
}

std::unique_ptr<SoundBuffer> SoundDevice::createSoundBuffer(const BufferDesc& desc) {
    if (backend().faultInjected(Fault::soundBuffer)) return nullptr;
    if (!playable(desc.format) || desc.bufferBytes < bufferBytesMin ||
        desc.bufferBytes > bufferBytesMax || desc.bufferBytes % desc.format.blockAlign != 0) {
        return nullptr;
    }
    return std::unique_ptr<SoundBuffer>(new SoundBuffer(mixer, desc));
}

}  // namespace platform
