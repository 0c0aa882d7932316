// What mixing costs: 32 looping 16-bit stereo voices at 44.1 kHz, pulled in blocks of 1024
// frames as the SDL callback pulls them. "pct_of_realtime" is the processor time spent mixing
// as a percentage of the time the mixed sound lasts.
#include <benchmark/benchmark.h>

#include <cmath>
#include <ctime>
#include <memory>
#include <vector>

#include "platform/audio/SoundDevice.h"
#include "platform/headless/HeadlessBackend.h"

namespace {

constexpr int voiceCount = 32;
constexpr int rate = 44100;
constexpr std::size_t blockFrames = 1024;

void mixVoices(benchmark::State& state, bool resampled) {
    platform::HeadlessBackend backend;
    platform::setBackend(&backend);
    {
        auto device = platform::SoundDevice::create();
        const platform::WaveFormat format{platform::waveFormatPcm, 2, rate, rate * 4, 4, 16};
        std::vector<std::unique_ptr<platform::SoundBuffer>> voices;
        for (int v = 0; v < voiceCount; ++v) {
            // Each voice a second of its own tone, a little apart in pitch, volume and pan.
            std::vector<std::uint8_t> bytes;
            for (int i = 0; i < rate; ++i) {
                const auto s = static_cast<std::int16_t>(8000 * std::sin(i * (0.01 + 0.002 * v)));
                for (int channel = 0; channel < 2; ++channel) {
                    bytes.push_back(static_cast<std::uint8_t>(s & 0xFF));
                    bytes.push_back(static_cast<std::uint8_t>((s >> 8) & 0xFF));
                }
            }
            auto buffer = device->createSoundBuffer(
                {platform::DSBCAPS_CTRLFREQUENCY | platform::DSBCAPS_CTRLPAN |
                     platform::DSBCAPS_CTRLVOLUME,
                 static_cast<std::uint32_t>(bytes.size()), format});
            buffer->write(0, bytes);
            buffer->setVolume(-100 * (v % 8));
            buffer->setPan(-3000 + 200 * v);
            if (resampled) buffer->setFrequency(static_cast<std::uint32_t>(rate - 5000 + 700 * v));
            buffer->play(platform::DSBPLAY_LOOPING);
            voices.push_back(std::move(buffer));
        }
        std::vector<std::int16_t> out(blockFrames * 2);
        const std::clock_t start = std::clock();
        for (auto _ : state) {
            backend.renderAudio(out);
            benchmark::DoNotOptimize(out.data());
            benchmark::ClobberMemory();
        }
        const double mixSeconds = static_cast<double>(std::clock() - start) / CLOCKS_PER_SEC;
        const double audioSeconds =
            static_cast<double>(state.iterations()) * static_cast<double>(blockFrames) / rate;
        state.counters["pct_of_realtime"] = 100.0 * mixSeconds / audioSeconds;
    }
    platform::setBackend(nullptr);
}

void BM_Mix32Voices(benchmark::State& state) {
    mixVoices(state, false);
}
void BM_Mix32VoicesResampled(benchmark::State& state) {
    mixVoices(state, true);
}

}  // namespace

BENCHMARK(BM_Mix32Voices);
BENCHMARK(BM_Mix32VoicesResampled);
BENCHMARK_MAIN();
