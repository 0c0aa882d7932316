#pragma once

#include <cstdint>
#include <mutex>
#include <span>
#include <vector>

namespace platform {

class SoundBuffer;

// The software mixer behind the sound device: sums every playing buffer into 16-bit stereo
// frames at the output rate. The sound card pulls frames on its own thread while the game
// changes buffers on its thread, so everything shared sits behind one lock.
class Mixer {
public:
    explicit Mixer(int outputRate);
    Mixer(const Mixer&) = delete;
    Mixer& operator=(const Mixer&) = delete;

    int outputRate() const { return rate; }

    // Fills `stereoFrames` (left, right, left, right, ...) with the next frames of the mix and
    // moves every playing buffer on by as much.
    void mix(std::span<std::int16_t> stereoFrames);

private:
    friend class SoundBuffer;

    const int rate;
    std::mutex lock;
    std::vector<SoundBuffer*> buffers;
};

}  // namespace platform
