#include "world/SharedSheet.h"

#include "engine/GameEngine.h"
#include "log/Log.h"

Image* loadSheet(GameEngine* engine, const std::string& file, std::string_view loadFailure,
                 std::string_view keyFailure) {
    Image* sheet = engine->loadImage(file);
    if (sheet == nullptr) {
        logLine(loadFailure);
        return nullptr;
    }
    if (!engine->setColorKey(sheet, 0, 0, 0)) {
        logLine(keyFailure);
        engine->deleteImage(sheet);
        return nullptr;
    }
    return sheet;
}

bool takeSheet(GameEngine* engine, Image*& sheet, int& holders, const std::string& file,
               std::string_view loadFailure, std::string_view keyFailure) {
    if (holders < 1) {
        sheet = loadSheet(engine, file, loadFailure, keyFailure);
        if (sheet == nullptr) return false;
    }
    ++holders;
    return true;
}

void giveBackSheet(GameEngine* engine, Image*& sheet, int& holders) {
    if (--holders > 0) return;
    engine->deleteImage(sheet);
    sheet = nullptr;
}
