#include "engine/GameEngine.h"
#include "sound/Sound.h"
#include "sound/SoundEngine.h"

Sound* GameEngine::loadSound(const std::string& fileName) {
    return new Sound(sound ? sound->getDSObject() : nullptr, fileName);
}

bool GameEngine::soundPlay(Sound* soundObject, int flags) {
    return sound && sound->playSound(soundObject, flags);
}

bool GameEngine::soundStop(Sound* soundObject) {
    return sound && sound->stopSound(soundObject);
}

void GameEngine::soundDelete(Sound* soundObject) {
    delete soundObject;
}
