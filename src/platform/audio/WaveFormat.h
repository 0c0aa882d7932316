#pragma once

#include <cstdint>

namespace platform {

// The format tag of plain PCM samples.
constexpr std::uint16_t waveFormatPcm = 1;

// How the samples of a sound buffer are laid out, as a WAV file's "fmt " chunk gives it.
struct WaveFormat {
    std::uint16_t formatTag = 0;
    std::uint16_t channels = 0;
    std::uint32_t samplesPerSec = 0;
    std::uint32_t avgBytesPerSec = 0;
    std::uint16_t blockAlign = 0;
    std::uint16_t bitsPerSample = 0;
};

}  // namespace platform
