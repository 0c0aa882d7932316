#include <gtest/gtest.h>

#include "log/Log.h"
#include "sound/Sound.h"
#include "sound/SoundEngine.h"
#include "support/HeadlessTest.h"
#include "support/WavBuilder.h"

class SoundTest : public HeadlessTest {
protected:
    void TearDown() override {
        engine.reset();
        HeadlessTest::TearDown();
    }

    void makeEngine() {
        if (window == nullptr) window = backend.createWindow("CorvanesEngine", 0, 0, 800, 600);
        engine = std::make_unique<SoundEngine>(window);
    }

    std::unique_ptr<Sound> load(const wav::Bytes& file) {
        writeFile("test.wav", file);
        return std::make_unique<Sound>(engine->getDSObject(), "test.wav");
    }

    std::vector<std::int16_t> render(std::size_t frames) {
        std::vector<std::int16_t> out(frames * 2);
        backend.renderAudio(out);
        return out;
    }

    platform::WindowHandle window = nullptr;
    std::unique_ptr<SoundEngine> engine;
};

TEST_F(SoundTest, ASixteenBitStereoFileFillsABufferOfExactlyItsData) {
    makeEngine();
    std::vector<std::int16_t> values;
    for (int i = 0; i < 1000; ++i) values.push_back(static_cast<std::int16_t>(i * 31 - 9000));
    // "fmt " after another chunk loads like any other.
    auto sound = load(wav::riff({{"LIST", {1, 2, 3}},
                                 {"fmt ", wav::format(2, 16, 44100)},
                                 {"data", wav::samples16(values)}}));
    platform::SoundBuffer* buffer = sound->getSoundBuffer();
    ASSERT_NE(buffer, nullptr);
    EXPECT_EQ(buffer->size(), 2000u);
    EXPECT_EQ(buffer->format().channels, 2);
    EXPECT_EQ(buffer->format().bitsPerSample, 16);
    EXPECT_EQ(buffer->format().blockAlign, 4);
    EXPECT_EQ(sound->getState(), 1);
    EXPECT_TRUE(logLines().empty());
    ASSERT_TRUE(engine->playSound(sound.get(), 0));
    EXPECT_EQ(render(500), values);
}

TEST_F(SoundTest, VolumeIsScaledWhileFrequencyAndPanPassStraightThrough) {
    makeEngine();
    auto sound = load(wav::pcm(1, 8, 11025, wav::Bytes(64, 128)));
    platform::SoundBuffer* buffer = sound->getSoundBuffer();
    const std::pair<int, int> scale[] = {{100, 0}, {0, -3000}, {50, -1500}};
    for (auto [volume, hundredths] : scale) {
        ASSERT_TRUE(sound->setVolume(volume));
        EXPECT_EQ(buffer->getVolume(), hundredths);
    }
    EXPECT_TRUE(sound->setFreq(22050));
    EXPECT_EQ(buffer->getFrequency(), 22050u);
    EXPECT_TRUE(sound->setPan(-2500));
    EXPECT_EQ(buffer->getPan(), -2500);
    EXPECT_TRUE(logLines().empty());

    EXPECT_FALSE(sound->setVolume(101));
    EXPECT_FALSE(sound->setFreq(-1));
    EXPECT_FALSE(sound->setPan(10001));
    EXPECT_EQ(logLines(), (std::vector<std::string>{"ERROR: Unable to set volume",
                                                    "ERROR: Unable to set frequency",
                                                    "ERROR: Unable to set pan"}));
}

TEST_F(SoundTest, PlayingAgainRewindsAndStoppingRewinds) {
    makeEngine();
    auto sound = load(wav::pcm(1, 16, 44100, wav::samples16({1, 2, 3, 4, 5, 6, 7, 8})));
    ASSERT_TRUE(engine->playSound(sound.get(), platform::DSBPLAY_LOOPING));
    EXPECT_EQ(sound->getState(), 2);
    EXPECT_EQ(sound->getStatus(), 5);
    render(3);
    ASSERT_TRUE(engine->playSound(sound.get(), 0));
    EXPECT_EQ(sound->getStatus(), 1);
    EXPECT_EQ(render(2), (std::vector<std::int16_t>{1, 1, 2, 2}));

    EXPECT_TRUE(engine->stopSound(sound.get()));
    EXPECT_EQ(sound->getState(), 3);
    EXPECT_EQ(sound->getStatus(), 0);
    EXPECT_EQ(sound->getSoundBuffer()->getCurrentPosition(), 0u);
}

TEST_F(SoundTest, DeletingAPlayingSoundSilencesIt) {
    makeEngine();
    auto sound = load(wav::pcm(1, 16, 44100, wav::samples16({9000, 9000})));
    engine->playSound(sound.get(), platform::DSBPLAY_LOOPING);
    sound.reset();
    EXPECT_EQ(render(2), std::vector<std::int16_t>(4, 0));
}

TEST_F(SoundTest, ASoundWithoutABufferIsHarmless) {
    makeEngine();
    Sound sound(engine->getDSObject(), "missing.wav");
    EXPECT_EQ(sound.getSoundBuffer(), nullptr);
    EXPECT_FALSE(engine->playSound(&sound, 0));
    EXPECT_EQ(sound.getState(), 0);
    EXPECT_TRUE(engine->stopSound(&sound));
    EXPECT_EQ(sound.getState(), 3);
    EXPECT_FALSE(sound.setVolume(50));
    EXPECT_FALSE(sound.setFreq(22050));
    EXPECT_FALSE(sound.setPan(0));
    EXPECT_EQ(sound.getStatus(), 0);
    EXPECT_EQ(logLines(), (std::vector<std::string>{"ERROR: could not open WAV file",
                                                    "ERROR: could not play sound"}));
}

TEST_F(SoundTest, EachBadFileGivesItsLogLines) {
    const std::string open = "ERROR: could not open WAV file";
    const std::string format = "ERROR: could not open format";
    const std::string buffer = "ERROR: could not create sound buffer";
    const wav::Bytes data = wav::samples16({1, 2, 3, 4});
    wav::Bytes truncated = wav::pcm(1, 16, 44100, data);
    truncated.resize(truncated.size() - 2);
    wav::Bytes lying = wav::pcm(1, 16, 44100, data);
    lying[40] = 200;
    wav::Bytes shortFormat = wav::format(1, 16, 44100);
    shortFormat.pop_back();

    const struct {
        const char* name;
        wav::Bytes file;
        std::vector<std::string> lines;
    } cases[] = {
        {"not a WAV file", {'R', 'I', 'F', 'X', 0, 0, 0, 0, 'W', 'A', 'V', 'E'}, {open}},
        {"truncated", truncated, {open}},
        {"lying data size", lying, {open}},
        {"float samples",
         wav::riff({{"fmt ", wav::format(1, 32, 44100, 3)}, {"data", data}}),
         {format, buffer}},
        {"no data", wav::riff({{"fmt ", wav::format(1, 16, 44100)}}), {buffer}},
        {"no format", wav::riff({{"data", data}}), {buffer}},
        {"short format", wav::riff({{"fmt ", shortFormat}, {"data", data}}), {buffer}},
        {"bad block align",
         wav::riff({{"fmt ", wav::format(1, 16, 44100, 1, 4)}, {"data", data}}),
         {buffer}},
        {"three channels",
         wav::riff({{"fmt ", wav::format(3, 16, 44100)}, {"data", data}}),
         {buffer}},
        {"rate too high",
         wav::riff({{"fmt ", wav::format(1, 16, 100001)}, {"data", data}}),
         {buffer}},
        {"too few samples", wav::pcm(1, 16, 44100, wav::samples16({1})), {buffer}},
    };
    makeEngine();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        logFile.close();
        logFile.open("log.txt", std::ios::out | std::ios::trunc);
        auto sound = load(c.file);
        EXPECT_EQ(sound->getSoundBuffer(), nullptr);
        EXPECT_EQ(logLines(), c.lines);
    }
}

TEST_F(SoundTest, EveryPlatformFailureIsLogged) {
    const wav::Bytes file = wav::pcm(1, 8, 22050, wav::Bytes(16, 100));
    const struct {
        const char* fault;
        bool (*action)(SoundEngine&, Sound&);
        std::string line;
    } cases[] = {
        {"sound.position", [](SoundEngine& e, Sound& s) { return e.playSound(&s, 0); },
         "ERROR: Unable to set current position in sound"},
        {"sound.play", [](SoundEngine& e, Sound& s) { return e.playSound(&s, 0); },
         "ERROR: unable to play sound"},
        {"sound.volume", [](SoundEngine&, Sound& s) { return s.setVolume(80); },
         "ERROR: Unable to set volume"},
        {"sound.frequency", [](SoundEngine&, Sound& s) { return s.setFreq(11025); },
         "ERROR: Unable to set frequency"},
        {"sound.pan", [](SoundEngine&, Sound& s) { return s.setPan(100); },
         "ERROR: Unable to set pan"},
    };
    makeEngine();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.fault);
        auto sound = load(file);
        const auto before = logLines().size();
        backend.fail(c.fault, 1);
        EXPECT_FALSE(c.action(*engine, *sound));
        EXPECT_EQ(sound->getState(), 1);
        ASSERT_EQ(logLines().size(), before + 1);
        EXPECT_EQ(logLines().back(), c.line);
    }
}

TEST_F(SoundTest, SetUpFailuresAreLoggedAndTheGameGoesOnSilently) {
    backend.fail("sound.cooperativeLevel", 1);
    makeEngine();
    EXPECT_NE(engine->getDSObject(), nullptr) << "the device stays held";
    EXPECT_EQ(logLines(), std::vector<std::string>{"ERROR: Unable to set sound cooperation level"});

    engine.reset();
    backend.fail("sound.create", 1);
    makeEngine();
    EXPECT_EQ(engine->getDSObject(), nullptr);
    EXPECT_FALSE(backend.audioOpen());
    EXPECT_EQ(logLines().back(), "ERROR: Unable to create direct sound device");

    auto sound = load(wav::pcm(1, 8, 22050, wav::Bytes(16, 100)));
    EXPECT_EQ(sound->getSoundBuffer(), nullptr);
    EXPECT_EQ(logLines().back(), "ERROR: could not create sound buffer");

    engine.reset();
    backend.fail("sound.buffer", 1);
    makeEngine();
    sound = load(wav::pcm(1, 8, 22050, wav::Bytes(16, 100)));
    EXPECT_EQ(sound->getSoundBuffer(), nullptr);
    EXPECT_EQ(logLines().back(), "ERROR: could not create sound buffer");
}
