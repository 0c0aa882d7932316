#include "platform/audio/SoundBuffer.h"

#include <algorithm>
#include <cmath>
#include <mutex>
#include <utility>

#include "platform/Backend.h"
#include "platform/audio/Mixer.h"

namespace platform {

namespace {

constexpr std::int32_t volumeMin = -10000;
constexpr std::int32_t panRight = 10000;
constexpr std::uint32_t frequencyMin = 100;
constexpr std::uint32_t frequencyMax = 100000;

// Attenuation in hundredths of a decibel to a gain with 16 fraction bits; the bottom of the
// scale is silence.
std::int32_t gainFor(std::int32_t attenuation) {
    if (attenuation <= volumeMin) return 0;
    return static_cast<std::int32_t>(std::lround(65536.0 * std::pow(10.0, attenuation / 2000.0)));
}

// One frame as signed 16-bit left and right; 8-bit samples are unsigned around 128, mono
// feeds both sides.
template <int Bits, int Channels>
inline void readFrame(const std::uint8_t* data, std::uint32_t index, std::int32_t& left,
                      std::int32_t& right) {
    constexpr std::size_t frameBytes = Bits / 8 * Channels;
    const std::uint8_t* p = data + static_cast<std::size_t>(index) * frameBytes;
    if constexpr (Bits == 8) {
        left = (static_cast<std::int32_t>(p[0]) - 128) * 256;
        right = Channels == 2 ? (static_cast<std::int32_t>(p[1]) - 128) * 256 : left;
    } else {
        left = static_cast<std::int16_t>(p[0] | p[1] << 8);
        right = Channels == 2 ? static_cast<std::int16_t>(p[2] | p[3] << 8) : left;
    }
}

struct Voice {
    const std::uint8_t* data;
    std::uint32_t frameCount;
    bool looping;
    std::uint64_t step;
    std::int32_t gainLeft;
    std::int32_t gainRight;
};

// Adds `frames` output frames of the voice to the sums, reading between source frames by
// straight-line interpolation. False once a voice that does not loop has run off its end.
template <int Bits, int Channels>
bool mixVoice(const Voice& voice, std::uint64_t& cursor, std::int32_t* sums, std::size_t frames) {
    const std::uint64_t length = static_cast<std::uint64_t>(voice.frameCount) << 32;
    for (std::size_t i = 0; i < frames; ++i) {
        const auto index = static_cast<std::uint32_t>(cursor >> 32);
        std::uint32_t next = index + 1;
        if (next == voice.frameCount) next = voice.looping ? 0 : index;
        const auto fraction = static_cast<std::int32_t>((cursor >> 17) & 0x7FFF);
        std::int32_t left0, right0, left1, right1;
        readFrame<Bits, Channels>(voice.data, index, left0, right0);
        readFrame<Bits, Channels>(voice.data, next, left1, right1);
        const std::int32_t left = left0 + (((left1 - left0) * fraction) >> 15);
        const std::int32_t right = right0 + (((right1 - right0) * fraction) >> 15);
        sums[2 * i] += (left * voice.gainLeft + 0x8000) >> 16;
        sums[2 * i + 1] += (right * voice.gainRight + 0x8000) >> 16;
        cursor += voice.step;
        if (cursor >= length) {
            if (!voice.looping) return false;
            cursor %= length;
        }
    }
    return true;
}

}  // namespace

SoundBuffer::SoundBuffer(std::shared_ptr<Mixer> owner, const BufferDesc& description)
    : mixer(std::move(owner)),
      desc(description),
      frameCount(description.bufferBytes / description.format.blockAlign),
      samples(description.bufferBytes, description.format.bitsPerSample == 8 ? 0x80 : 0),
      frequency(description.format.samplesPerSec) {
    std::lock_guard guard(mixer->lock);
    updateStep();
    mixer->buffers.push_back(this);
}

SoundBuffer::~SoundBuffer() {
    std::lock_guard guard(mixer->lock);
    std::erase(mixer->buffers, this);
}

bool SoundBuffer::write(std::uint32_t offset, std::span<const std::uint8_t> bytes) {
    if (offset > samples.size() || bytes.size() > samples.size() - offset) return false;
    std::lock_guard guard(mixer->lock);
    std::copy(bytes.begin(), bytes.end(), samples.begin() + offset);
    return true;
}

bool SoundBuffer::play(std::uint32_t flags) {
    if (backend().faultInjected(Fault::soundPlay)) return false;
    std::lock_guard guard(mixer->lock);
    looping = (flags & DSBPLAY_LOOPING) != 0;
    playing = true;
    return true;
}

void SoundBuffer::stop() {
    std::lock_guard guard(mixer->lock);
    playing = false;
}

bool SoundBuffer::setCurrentPosition(std::uint32_t position) {
    if (backend().faultInjected(Fault::soundPosition)) return false;
    const std::uint32_t frame = position % desc.bufferBytes / desc.format.blockAlign;
    std::lock_guard guard(mixer->lock);
    cursor = static_cast<std::uint64_t>(frame) << 32;
    return true;
}

std::uint32_t SoundBuffer::getCurrentPosition() const {
    std::lock_guard guard(mixer->lock);
    return static_cast<std::uint32_t>(cursor >> 32) * desc.format.blockAlign;
}

bool SoundBuffer::setVolume(std::int32_t value) {
    if (backend().faultInjected(Fault::soundVolume)) return false;
    if ((desc.flags & DSBCAPS_CTRLVOLUME) == 0 || value < volumeMin || value > 0) return false;
    std::lock_guard guard(mixer->lock);
    volume = value;
    updateGains();
    return true;
}

std::int32_t SoundBuffer::getVolume() const {
    std::lock_guard guard(mixer->lock);
    return volume;
}

bool SoundBuffer::setPan(std::int32_t value) {
    if (backend().faultInjected(Fault::soundPan)) return false;
    if ((desc.flags & DSBCAPS_CTRLPAN) == 0 || value < -panRight || value > panRight) return false;
    std::lock_guard guard(mixer->lock);
    pan = value;
    updateGains();
    return true;
}

std::int32_t SoundBuffer::getPan() const {
    std::lock_guard guard(mixer->lock);
    return pan;
}

bool SoundBuffer::setFrequency(std::uint32_t value) {
    if (backend().faultInjected(Fault::soundFrequency)) return false;
    if ((desc.flags & DSBCAPS_CTRLFREQUENCY) == 0) return false;
    if (value == 0) value = desc.format.samplesPerSec;
    if (value < frequencyMin || value > frequencyMax) return false;
    std::lock_guard guard(mixer->lock);
    frequency = value;
    updateStep();
    return true;
}

std::uint32_t SoundBuffer::getFrequency() const {
    std::lock_guard guard(mixer->lock);
    return frequency;
}

std::uint32_t SoundBuffer::getStatus() const {
    std::lock_guard guard(mixer->lock);
    if (!playing) return 0;
    return DSBSTATUS_PLAYING | (looping ? DSBSTATUS_LOOPING : 0);
}

void SoundBuffer::updateGains() {
    // A pan lowers only the far side: positive pans the left, negative the right.
    gainLeft = gainFor(volume - std::max(pan, 0));
    gainRight = gainFor(volume + std::min(pan, 0));
}

void SoundBuffer::updateStep() {
    step = (static_cast<std::uint64_t>(frequency) << 32) /
           static_cast<std::uint64_t>(mixer->outputRate());
}

void SoundBuffer::mixInto(std::int32_t* sums, std::size_t frames) {
    const Voice voice{samples.data(), frameCount, looping, step, gainLeft, gainRight};
    const bool stereo = desc.format.channels == 2;
    bool going;
    if (desc.format.bitsPerSample == 8) {
        going = stereo ? mixVoice<8, 2>(voice, cursor, sums, frames)
                       : mixVoice<8, 1>(voice, cursor, sums, frames);
    } else {
        going = stereo ? mixVoice<16, 2>(voice, cursor, sums, frames)
                       : mixVoice<16, 1>(voice, cursor, sums, frames);
    }
    if (!going) {
        // A buffer that plays once stops at its end and goes back to the top.
        playing = false;
        looping = false;
        cursor = 0;
    }
}

}  // namespace platform
