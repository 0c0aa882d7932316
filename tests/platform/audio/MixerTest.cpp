#include <gtest/gtest.h>

#include <cmath>

#include "platform/audio/SoundDevice.h"
#include "support/HeadlessTest.h"
#include "support/WavBuilder.h"

using platform::SoundBuffer;

namespace {
constexpr std::uint32_t allCaps =
    platform::DSBCAPS_CTRLFREQUENCY | platform::DSBCAPS_CTRLPAN | platform::DSBCAPS_CTRLVOLUME;
}

class MixerTest : public HeadlessTest {
protected:
    void SetUp() override {
        HeadlessTest::SetUp();
        device = platform::SoundDevice::create();
        ASSERT_NE(device, nullptr);
    }

    void TearDown() override {
        device.reset();
        HeadlessTest::TearDown();
    }

    std::unique_ptr<SoundBuffer> make(int channels, int bits, int rate, const wav::Bytes& data,
                                      std::uint32_t caps = allCaps) {
        platform::WaveFormat format;
        format.formatTag = platform::waveFormatPcm;
        format.channels = static_cast<std::uint16_t>(channels);
        format.bitsPerSample = static_cast<std::uint16_t>(bits);
        format.samplesPerSec = static_cast<std::uint32_t>(rate);
        format.blockAlign = static_cast<std::uint16_t>(channels * bits / 8);
        format.avgBytesPerSec = format.samplesPerSec * format.blockAlign;
        auto buffer =
            device->createSoundBuffer({caps, static_cast<std::uint32_t>(data.size()), format});
        if (!buffer) {
            ADD_FAILURE() << "no buffer";
            return nullptr;
        }
        buffer->write(0, data);
        return buffer;
    }

    std::unique_ptr<SoundBuffer> mono16(const std::vector<std::int16_t>& values) {
        return make(1, 16, 44100, wav::samples16(values));
    }

    // Interleaved left, right.
    std::vector<std::int16_t> render(std::size_t frames) {
        std::vector<std::int16_t> out(frames * 2);
        backend.renderAudio(out);
        return out;
    }

    std::unique_ptr<platform::SoundDevice> device;
};

TEST_F(MixerTest, FullVolumeCentredSamplesComeOutUnchanged) {
    const std::vector<std::int16_t> stereo = {1, -1, 32767, -32768, 1234, -4321};
    auto buffer = make(2, 16, 44100, wav::samples16(stereo));
    ASSERT_TRUE(buffer->play(0));
    EXPECT_EQ(render(3), stereo);

    auto mono = mono16({-7, 20000});
    mono->play(0);
    EXPECT_EQ(render(2), (std::vector<std::int16_t>{-7, -7, 20000, 20000}));
}

TEST_F(MixerTest, EightBitSamplesAreCentredAndWidened) {
    auto buffer = make(1, 8, 44100, {0, 64, 128, 192, 255});
    buffer->play(0);
    const auto out = render(5);
    const std::int16_t expected[] = {-32768, -16384, 0, 16384, 32512};
    for (int i = 0; i < 5; ++i) EXPECT_EQ(out[2 * i], expected[i]) << i;
}

TEST_F(MixerTest, NewBuffersHoldSilence) {
    platform::WaveFormat format{platform::waveFormatPcm, 1, 8000, 8000, 1, 8};
    auto buffer = device->createSoundBuffer({allCaps, 16, format});
    buffer->play(platform::DSBPLAY_LOOPING);
    EXPECT_EQ(render(4), std::vector<std::int16_t>(8, 0));
}

TEST_F(MixerTest, VolumeAndPanAttenuateInHundredthsOfADecibel) {
    const struct {
        int volume, pan;
        double left, right;
    } cases[] = {{-600, 0, 0.501, 0.501}, {0, 10000, 0.0, 1.0},       {0, -10000, 1.0, 0.0},
                 {0, 600, 0.501, 1.0},    {-600, -600, 0.501, 0.251}, {-2000, 0, 0.1, 0.1},
                 {-10000, 0, 0.0, 0.0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.volume << " / " << c.pan);
        auto buffer = mono16({20000, 20000});
        ASSERT_TRUE(buffer->setVolume(c.volume));
        ASSERT_TRUE(buffer->setPan(c.pan));
        buffer->play(0);
        const auto out = render(1);
        EXPECT_NEAR(out[0], 20000 * c.left, 20);
        EXPECT_NEAR(out[1], 20000 * c.right, 20);
    }
    auto halved = mono16({16000, 16000});
    halved->setVolume(-600);
    halved->play(0);
    EXPECT_NEAR(render(1)[0], 8000, 40);  // 10^(-600/2000) is a hair over a half
}

TEST_F(MixerTest, ABufferThatPlaysOnceStopsAtItsEndAndRewinds) {
    std::vector<std::int16_t> ramp(100);
    for (int i = 0; i < 100; ++i)
        ramp[static_cast<std::size_t>(i)] = static_cast<std::int16_t>(i * 10);
    auto buffer = mono16(ramp);
    buffer->play(0);
    EXPECT_EQ(buffer->getStatus(), platform::DSBSTATUS_PLAYING);
    const auto out = render(100);
    EXPECT_EQ(out[2 * 99], 990);
    EXPECT_EQ(buffer->getStatus(), 0u);
    EXPECT_EQ(buffer->getCurrentPosition(), 0u);
    EXPECT_EQ(render(3), std::vector<std::int16_t>(6, 0));
}

TEST_F(MixerTest, ALoopingBufferWrapsToItsStart) {
    auto buffer = mono16({100, 200, 300});
    buffer->play(platform::DSBPLAY_LOOPING);
    const auto out = render(7);
    const std::int16_t expected[] = {100, 200, 300, 100, 200, 300, 100};
    for (int i = 0; i < 7; ++i) EXPECT_EQ(out[2 * i], expected[i]) << i;
    EXPECT_EQ(buffer->getStatus(), platform::DSBSTATUS_PLAYING | platform::DSBSTATUS_LOOPING);
    EXPECT_EQ(buffer->getCurrentPosition(), 2u);
}

TEST_F(MixerTest, FrequencyChangesThePace) {
    auto fast = mono16({0, 10, 20, 30, 40, 50, 60, 70});
    ASSERT_TRUE(fast->setFrequency(88200));
    fast->play(0);
    const auto out = render(5);
    const std::int16_t expected[] = {0, 20, 40, 60, 0};
    for (int i = 0; i < 5; ++i) EXPECT_EQ(out[2 * i], expected[i]) << i;
    EXPECT_EQ(fast->getStatus(), 0u);

    // Half the device's rate: every other output frame falls halfway between two samples.
    auto slow = make(1, 16, 22050, wav::samples16({0, 1000, 2000}));
    slow->play(0);
    const auto between = render(4);
    EXPECT_EQ(between[2], 500);
    EXPECT_EQ(between[6], 1500);
}

TEST_F(MixerTest, SumsAreClampedTo16Bits) {
    auto a = mono16({30000, -30000});
    auto b = mono16({30000, -30000});
    a->play(0);
    b->play(0);
    EXPECT_EQ(render(2), (std::vector<std::int16_t>{32767, 32767, -32768, -32768}));
}

TEST_F(MixerTest, PlayStopAndPositionFollowTheOldRules) {
    auto buffer = make(2, 16, 44100, wav::Bytes(40, 0));
    ASSERT_TRUE(buffer->setCurrentPosition(46));  // 46 mod 40, down to a whole block
    EXPECT_EQ(buffer->getCurrentPosition(), 4u);
    buffer->play(0);
    render(2);
    EXPECT_EQ(buffer->getCurrentPosition(), 12u);
    buffer->play(platform::DSBPLAY_LOOPING);  // playing: only the looping flag changes
    EXPECT_EQ(buffer->getCurrentPosition(), 12u);
    EXPECT_EQ(buffer->getStatus(), platform::DSBSTATUS_PLAYING | platform::DSBSTATUS_LOOPING);
    buffer->stop();
    EXPECT_EQ(buffer->getStatus(), 0u);
    render(2);
    EXPECT_EQ(buffer->getCurrentPosition(), 12u);
}

TEST_F(MixerTest, SettersKeepToTheirRanges) {
    auto buffer = make(1, 8, 22050, wav::Bytes(8, 128));
    EXPECT_FALSE(buffer->setFrequency(99));
    EXPECT_TRUE(buffer->setFrequency(100));
    EXPECT_TRUE(buffer->setFrequency(100000));
    EXPECT_FALSE(buffer->setFrequency(100001));
    EXPECT_TRUE(buffer->setFrequency(0));
    EXPECT_EQ(buffer->getFrequency(), 22050u);
    EXPECT_FALSE(buffer->setVolume(1));
    EXPECT_FALSE(buffer->setVolume(-10001));
    EXPECT_FALSE(buffer->setPan(10001));
    EXPECT_FALSE(buffer->setPan(-10001));
    EXPECT_EQ(buffer->getVolume(), 0);
    EXPECT_EQ(buffer->getPan(), 0);

    auto bare = make(1, 8, 22050, wav::Bytes(8, 128), 0);
    EXPECT_FALSE(bare->setVolume(-100));
    EXPECT_FALSE(bare->setPan(100));
    EXPECT_FALSE(bare->setFrequency(11025));
}

TEST_F(MixerTest, TheDeviceRefusesWhatItCannotPlay) {
    const platform::WaveFormat good{platform::waveFormatPcm, 2, 44100, 176400, 4, 16};
    auto with = [&](auto change) {
        platform::WaveFormat f = good;
        std::uint32_t bytes = 64;
        change(f, bytes);
        return device->createSoundBuffer({allCaps, bytes, f}) != nullptr;
    };
    EXPECT_TRUE(with([](auto&, auto&) {}));
    EXPECT_FALSE(with([](auto& f, auto&) { f.formatTag = 3; }));
    EXPECT_FALSE(with([](auto& f, auto&) { f.channels = 3; }));
    EXPECT_FALSE(with([](auto& f, auto&) { f.bitsPerSample = 24; }));
    EXPECT_FALSE(with([](auto& f, auto&) { f.blockAlign = 2; }));
    EXPECT_FALSE(with([](auto& f, auto&) { f.samplesPerSec = 99; }));
    EXPECT_FALSE(with([](auto& f, auto&) { f.samplesPerSec = 100001; }));
    EXPECT_FALSE(with([](auto&, auto& bytes) { bytes = 0; }));
    EXPECT_FALSE(with([](auto&, auto& bytes) { bytes = 66; }));
}
