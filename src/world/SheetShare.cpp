#include "world/SheetShare.h"

#include "engine/GameEngine.h"
#include "world/SharedSheet.h"

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
