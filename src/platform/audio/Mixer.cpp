#include "platform/audio/Mixer.h"

#include <algorithm>
#include <array>

#include "platform/audio/SoundBuffer.h"

namespace platform {

namespace {
// Frames summed at a time; the sums live on the stack, so mixing allocates nothing.
constexpr std::size_t chunkFrames = 256;
}  // namespace

Mixer::Mixer(int outputRate) : rate(outputRate) {}

void Mixer::mix(std::span<std::int16_t> stereoFrames) {
    std::lock_guard guard(lock);
    std::array<std::int32_t, chunkFrames * 2> sums;
    const std::size_t total = stereoFrames.size() / 2;
    for (std::size_t done = 0; done < total;) {
        const std::size_t frames = std::min(chunkFrames, total - done);
        std::fill_n(sums.begin(), frames * 2, 0);
        for (SoundBuffer* buffer : buffers) {
            if (buffer->playing) buffer->mixInto(sums.data(), frames);
        }
        std::int16_t* out = stereoFrames.data() + done * 2;
        for (std::size_t i = 0; i < frames * 2; ++i) {
            out[i] = static_cast<std::int16_t>(std::clamp(sums[i], -32768, 32767));
        }
        done += frames;
    }
}

}  // namespace platform
