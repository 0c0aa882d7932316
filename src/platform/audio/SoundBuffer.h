#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <vector>

#include "platform/audio/WaveFormat.h"

namespace platform {

class Mixer;

// Play flags, status bits and capabilities keep their old values.
constexpr std::uint32_t DSBPLAY_LOOPING = 0x1;
constexpr std::uint32_t DSBSTATUS_PLAYING = 0x1;
constexpr std::uint32_t DSBSTATUS_LOOPING = 0x4;
constexpr std::uint32_t DSBCAPS_CTRLFREQUENCY = 0x20;
constexpr std::uint32_t DSBCAPS_CTRLPAN = 0x40;
constexpr std::uint32_t DSBCAPS_CTRLVOLUME = 0x80;

// What a new buffer is to be: its capabilities, its size in bytes and its sample format.
struct BufferDesc {
    std::uint32_t flags = 0;
    std::uint32_t bufferBytes = 0;
    WaveFormat format;
};

// A secondary buffer: one whole sample in memory that the mixer plays at a volume (hundredths
// of a decibel, -10000..0), a pan (-10000 left..10000 right) and a frequency, once or looping.
// Made by the sound device; new buffers hold silence.
class SoundBuffer {
public:
    ~SoundBuffer();
    SoundBuffer(const SoundBuffer&) = delete;
    SoundBuffer& operator=(const SoundBuffer&) = delete;

    // Copies sample bytes in at `offset`; false when they do not fit.
    bool write(std::uint32_t offset, std::span<const std::uint8_t> bytes);

    // Starts playing from the current position; on a playing buffer only the looping flag
    // changes.
    bool play(std::uint32_t flags);
    // Pauses; the position stays where it was.
    void stop();
    // Moves the play position to `position` modulo the size, rounded down to a whole block.
    // Works while playing.
    bool setCurrentPosition(std::uint32_t position);
    std::uint32_t getCurrentPosition() const;

    bool setVolume(std::int32_t volume);
    std::int32_t getVolume() const;
    bool setPan(std::int32_t pan);
    std::int32_t getPan() const;
    // 100..100000 samples per second; 0 goes back to the format's own rate.
    bool setFrequency(std::uint32_t frequency);
    std::uint32_t getFrequency() const;
    std::uint32_t getStatus() const;

    const WaveFormat& format() const { return desc.format; }
    std::uint32_t size() const { return desc.bufferBytes; }

private:
    friend class Mixer;
    friend class SoundDevice;

    SoundBuffer(std::shared_ptr<Mixer> mixer, const BufferDesc& desc);

    // Only while the mixer's lock is held.
    void updateGains();
    void updateStep();
    void mixInto(std::int32_t* sums, std::size_t frames);

    const std::shared_ptr<Mixer> mixer;
    const BufferDesc desc;
    const std::uint32_t frameCount;
    std::vector<std::uint8_t> samples;

    std::int32_t volume = 0;
    std::int32_t pan = 0;
    std::uint32_t frequency;
    bool playing = false;
    bool looping = false;
    // Play position in frames, 32.32 fixed point, and how far one output frame moves it.
    std::uint64_t cursor = 0;
    std::uint64_t step = 0;
    // Channel gains, 65536 for full volume.
    std::int32_t gainLeft = 65536;
    std::int32_t gainRight = 65536;
};

}  // namespace platform
