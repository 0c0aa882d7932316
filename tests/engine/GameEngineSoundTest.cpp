#include <gtest/gtest.h>

#include "engine/GameEngine.h"
#include "sound/Sound.h"
#include "support/HeadlessTest.h"
#include "support/WavBuilder.h"

class GameEngineSoundTest : public HeadlessTest {
protected:
    std::unique_ptr<GameEngine> makeEngine() {
        auto window = backend.createWindow("CorvanesEngine", 0, 0, 800, 600);
        return std::make_unique<GameEngine>(platform::Instance{}, window, 800, 600);
    }
};

TEST_F(GameEngineSoundTest, SoundIsSetUpAfterTheDisplayAndGivenBackFirst) {
    backend.fail("display.create", 1);
    backend.fail("sound.create", 1);
    makeEngine();
    EXPECT_EQ(logLines(),
              (std::vector<std::string>{"ERROR: Unable to create ddraw object",
                                        "ERROR: Unable to create direct sound device"}));

    auto engine = makeEngine();
    EXPECT_TRUE(backend.audioOpen());
    engine.reset();
    EXPECT_FALSE(backend.audioOpen());
}

TEST_F(GameEngineSoundTest, SoundsAreLoadedPlayedStoppedAndDeleted) {
    auto engine = makeEngine();
    writeFile("blip.wav", wav::pcm(1, 8, 11025, wav::Bytes(32, 200)));
    Sound* sound = engine->loadSound("blip.wav");
    ASSERT_NE(sound->getSoundBuffer(), nullptr);
    EXPECT_TRUE(engine->soundPlay(sound, 0));
    EXPECT_EQ(sound->getState(), 2);
    EXPECT_TRUE(engine->soundStop(sound));
    EXPECT_EQ(sound->getState(), 3);
    engine->soundDelete(sound);
    engine->soundDelete(nullptr);
    EXPECT_TRUE(logLines().empty());

    // A file that fails still gives a sound, without a buffer.
    sound = engine->loadSound("missing.wav");
    ASSERT_NE(sound, nullptr);
    EXPECT_EQ(sound->getSoundBuffer(), nullptr);
    engine->soundDelete(sound);
    EXPECT_EQ(logLines(), std::vector<std::string>{"ERROR: could not open WAV file"});
}
