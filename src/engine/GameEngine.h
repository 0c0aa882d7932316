#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "platform/Rect.h"
#include "platform/video/Surface.h"
#include "platform/window/WindowTypes.h"

class DrawObserver;
class GraphicsEngine;
class Image;
class InputEngine;
class Sound;
class SoundEngine;

// The base of the game: owns the display, input and sound services and runs one frame at a
// time. Every game object holds a pointer to it to load and draw images and to ask about keys,
// mouse and joystick.
class GameEngine {
public:
    GameEngine(platform::Instance instance, platform::WindowHandle window, int width, int height);
    virtual ~GameEngine();
    GameEngine(const GameEngine&) = delete;
    GameEngine& operator=(const GameEngine&) = delete;

    // One frame: input, clear, the game's work, flip, then the rest of 16 ms.
    void gameLoop();
    virtual void gameWork();

    // Questions about this frame's input snapshots. Button numbers count by their last decimal
    // digit, so that a control's code can be asked for as it stands.
    bool getKeyState(int key) const;
    bool getMouseButtonState(int button) const;
    platform::Point getMouseLocation() const { return {mouseX, mouseY}; }
    bool joystickPresent() const;
    bool getJoystickButtonState(int button) const;
    bool getJoystickUp() const;
    bool getJoystickDown() const;
    bool getJoystickLeft() const;
    bool getJoystickRight() const;

    // Images.
    Image* loadImage(const std::string& fileName);
    bool setColorKey(Image* image, int red, int green, int blue);
    void deleteImage(Image* image);

    // Drawing onto the back buffer.
    void drawImage(Image* image, platform::Rect destination);
    bool lockScreen();
    void unlockScreen();
    void drawPixelArray(const platform::Point* points, int count, int red, int green, int blue);
    void drawPixel(int x, int y, int red, int green, int blue);
    void drawText(const std::string& text, int x, int y, int red, int green, int blue);
    // Tells `observer` (null: nobody) of every drawImage and drawPixelArray from now on.
    void observeDraws(DrawObserver* observer) { drawObserver = observer; }

    // Sounds. A loaded sound belongs to the caller until soundDelete.
    Sound* loadSound(const std::string& fileName);
    bool soundPlay(Sound* soundObject, int flags);
    bool soundStop(Sound* soundObject);
    void soundDelete(Sound* soundObject);

    static constexpr std::uint32_t frameMilliseconds = 16;

protected:
    void clearFrame();
    void showFrame();
    bool readInput();

    std::unique_ptr<GraphicsEngine> graphics;
    std::unique_ptr<InputEngine> input;
    std::unique_ptr<SoundEngine> sound;
    int mouseX = 0;
    int mouseY = 0;

private:
    DrawObserver* drawObserver = nullptr;
    // The two surfaces every frame uses, looked up once.
    platform::Surface* frameBackbuffer = nullptr;
    platform::Surface* frameScreen = nullptr;
    bool backbufferFetched = false;
    bool screenFetched = false;
};
