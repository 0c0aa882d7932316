// Feeds arbitrary bytes to the WAV reader: it must refuse or read them without ever touching
// memory outside the file.
#include <cstddef>
#include <cstdint>
#include <span>

#include "sound/WavReader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    WavReader reader;
    if (!reader.open(std::span<const std::uint8_t>(data, size))) return 0;
    platform::WaveFormat format;
    if (!reader.readFormat(format)) return 0;
    std::span<const std::uint8_t> samples;
    if (!reader.findData(format, samples)) return 0;
    // Touch every sample byte so that a span past the file shows up.
    unsigned sum = 0;
    for (std::uint8_t b : samples) sum += b;
    volatile unsigned sink = sum;
    (void)sink;
    return 0;
}
