#include "sound/Sound.h"

#include <span>

#include "log/Log.h"
#include "sound/WavReader.h"

namespace {
constexpr std::uint32_t bufferCaps =
    platform::DSBCAPS_CTRLFREQUENCY | platform::DSBCAPS_CTRLPAN | platform::DSBCAPS_CTRLVOLUME;
}  // namespace

// Which failure says what:
//  - "could not open WAV file": the file cannot be read, or it is no RIFF/WAVE file, or its
//    chunk list is broken (a chunk header or body past the end of the file: a truncated file,
//    an oversized or lying chunk size).
//  - "could not open format": the "fmt " chunk is not PCM; we go on, and the device refuses it.
//  - "could not create sound buffer": the file is whole but holds no playable sound (no
//    "fmt " chunk or a short one, no "data" chunk, a format the device cannot play, too few
//    samples), or the device itself failed or is missing.
Sound::Sound(platform::SoundDevice* ds, const std::string& fileName) {
    WavReader wav;
    if (!wav.open(fileName)) {
        logLine("ERROR: could not open WAV file");
        return;
    }
    platform::WaveFormat format;
    const bool formatRead = wav.readFormat(format);
    if (formatRead && format.formatTag != platform::waveFormatPcm) {
        logLine("ERROR: could not open format");
    }
    std::span<const std::uint8_t> samples;
    if (formatRead && wav.findData(format, samples) && ds != nullptr) {
        soundBuffer =
            ds->createSoundBuffer({bufferCaps, static_cast<std::uint32_t>(samples.size()), format});
    }
    if (!soundBuffer) {
        logLine("ERROR: could not create sound buffer");
        return;
    }
    soundBuffer->write(0, samples);
    state = 1;
}

Sound::~Sound() {
    if (!soundBuffer) return;
    soundBuffer->stop();
    soundBuffer->setCurrentPosition(0);
    soundBuffer.reset();
}

// Without a buffer the setters fail quietly: loading already said what went wrong.
bool Sound::setVolume(int volume) {
    if (!soundBuffer) return false;
    if (!soundBuffer->setVolume(volume * 30 - 3000)) {
        logLine("ERROR: Unable to set volume");
        return false;
    }
    return true;
}

bool Sound::setFreq(int frequency) {
    if (!soundBuffer) return false;
    if (!soundBuffer->setFrequency(static_cast<std::uint32_t>(frequency))) {
        logLine("ERROR: Unable to set frequency");
        return false;
    }
    return true;
}

bool Sound::setPan(int pan) {
    if (!soundBuffer) return false;
    if (!soundBuffer->setPan(pan)) {
        logLine("ERROR: Unable to set pan");
        return false;
    }
    return true;
}

int Sound::getStatus() const {
    return soundBuffer ? static_cast<int>(soundBuffer->getStatus()) : 0;
}
