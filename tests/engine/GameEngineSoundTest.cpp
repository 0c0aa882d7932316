#include <gtest/gtest.h>

#include "engine/GameEngine.h"
#include "sound/Sound.h"
#include "support/EngineTest.h"
#include "support/WavBuilder.h"

class GameEngineSoundTest : public EngineTest {};

TEST_F(GameEngineSoundTest, SoundIsSetUpAfterTheDisplayAndGivenBackFirst) {
    backend.fail("display.create", 1);
    backend.fail("sound.create", 1);
    start();
    EXPECT_EQ(logLines(),
              (std::vector<std::string>{"ERROR: Unable to create ddraw object", noJoystickLine,
                                        "ERROR: Unable to create direct sound device"}));
    engine.reset();
    window.reset();

    start();
    EXPECT_TRUE(backend.audioOpen());
    engine.reset();
    EXPECT_FALSE(backend.audioOpen());
}

TEST_F(GameEngineSoundTest, SoundsAreLoadedPlayedStoppedAndDeleted) {
    start();
    writeFile("blip.wav", wav::pcm(1, 8, 11025, wav::Bytes(32, 200)));
    Sound* sound = engine->loadSound("blip.wav");
    ASSERT_NE(sound->getSoundBuffer(), nullptr);
    EXPECT_TRUE(engine->soundPlay(sound, 0));
    EXPECT_EQ(sound->getState(), 2);
    EXPECT_TRUE(engine->soundStop(sound));
    EXPECT_EQ(sound->getState(), 3);
    engine->soundDelete(sound);
    engine->soundDelete(nullptr);
    EXPECT_TRUE(linesSinceStart().empty());

    // A file that fails still gives a sound, without a buffer.
    sound = engine->loadSound("missing.wav");
    ASSERT_NE(sound, nullptr);
    EXPECT_EQ(sound->getSoundBuffer(), nullptr);
    engine->soundDelete(sound);
    EXPECT_EQ(linesSinceStart(), std::vector<std::string>{"ERROR: could not open WAV file"});
}
