#include "game/Cursor.h"

#include "engine/GameEngine.h"
#include "graphics/Image.h"
#include "log/Log.h"

Cursor::Cursor(GameEngine* engine, const std::string& fileName) : engine(engine) {
    image = engine->loadImage(fileName);
    if (image == nullptr) logLine("Unable to load cursor image");
    engine->setColorKey(image, 0, 0, 0);
    place();
}

Cursor::~Cursor() {
    if (image != nullptr) engine->deleteImage(image);
    image = nullptr;
}

void Cursor::update() {
    place();
}

void Cursor::draw() {
    if (image != nullptr) engine->drawImage(image, area);
}

void Cursor::place() {
    const platform::Point p = engine->getMouseLocation();
    const int width = image != nullptr ? image->getWidth() : 0;
    const int height = image != nullptr ? image->getHeight() : 0;
    platform::setRect(area, p.x, p.y, p.x + width, p.y + height);
}
