#pragma once

#include "player/BulletKind.h"

// The pods' shot; it lives four times as long as the player's.
class VoskBullet : public BulletKind<VoskBullet> {
public:
    VoskBullet(GameEngine* engine, Camera* camera)
        : BulletKind(engine, camera, 40, "voskbullet.bmp",
                     "ERROR: - unable to load vosk bullet image",
                     "ERROR: - unable to set vosk bullet colorkey") {}
};
