#include "support/CraftTest.h"

#include <fstream>
#include <map>

#include "player/CorvaneFrames.h"
#include "support/Sheets.h"

namespace {

using Picture = std::vector<std::uint16_t>;

// Every cell of the four sheets as the blitter draws it into the 85 x 85 frame, by label; the
// steady sheets' names sort before the transformation's.
std::map<std::string, Picture> makeCells() {
    const std::pair<const char*, const char*> sheets[] = {{"F", "hx4fighter_extras.bmp"},
                                                          {"S", "hx4standmech.bmp"},
                                                          {"H", "hx4hovermech.bmp"},
                                                          {"T", "hx4trans.bmp"}};
    std::map<std::string, Picture> cells;
    for (const auto& [sheet, file] : sheets) {
        const platform::Bitmap& b = gameSheet(file);
        for (int index = 0; index < corvaneGrid.count(); ++index) {
            Picture& p = cells[sheet + std::to_string(index)];
            for (int dy = 0; dy < corvaneSize; ++dy) {
                for (int dx = 0; dx < corvaneSize; ++dx) {
                    p.push_back(stretchedPixel(b, corvaneGrid.frame(index), corvaneSize,
                                               corvaneSize, dx, dy));
                }
            }
        }
    }
    return cells;
}

const std::map<std::string, Picture>& cells() {
    static const std::map<std::string, Picture> all = makeCells();
    return all;
}

// The bodies the craft can show: the two fighters, the standmech and hovermech rows 0 to 2, the
// transformation rows 0 to 3 without their sixth column.
bool isBody(const std::string& label) {
    const int index = std::stoi(label.substr(1));
    switch (label[0]) {
        case 'F':
            return index < 2;
        case 'S':
        case 'H':
            return index < 18;
        default:
            return index < 24 && index % 6 != 5;
    }
}

// Black is the key: a frame's black pixels leave what lies under them.
Picture composed(const std::vector<std::string>& layers) {
    Picture p(static_cast<std::size_t>(corvaneSize * corvaneSize), 0);
    for (const std::string& layer : layers) {
        const Picture& cell = cells().at(layer);
        for (std::size_t i = 0; i < p.size(); ++i) {
            if (cell[i] != 0) p[i] = cell[i];
        }
    }
    return p;
}

Picture regionOf(const platform::HeadlessBackend& backend, platform::Point at) {
    Picture region;
    for (int dy = 0; dy < corvaneSize; ++dy) {
        for (int dx = 0; dx < corvaneSize; ++dx) {
            region.push_back(backend.framePixel(at.x + dx, at.y + dy));
        }
    }
    return region;
}

}  // namespace

void CraftTest::SetUp() {
    EngineTest::SetUp();
    copyGameFile("controls.cfg");
    copyCraftSheets();
}

void CraftTest::TearDown() {
    // A transformation cut short would leave its counters part-way for the next test in this
    // process; see it through.
    for (int i = 0; craft && craft->isAlive() && craft->getMode() > 2 && i < 40; ++i) frame();
    craft.reset();
    pilot.reset();
    camera.reset();
    for (int key : held) backend.inputHardware().setKey(key, false);
    EngineTest::TearDown();
}

void CraftTest::copyCraftSheets() const {
    for (const char* name :
         {"hx4fighter_extras.bmp", "hx4standmech.bmp", "hx4hovermech.bmp", "hx4trans.bmp"}) {
        copyGameFile(name);
    }
}

void CraftTest::writeControls(const std::string& text) const {
    std::ofstream out(path("controls.cfg"), std::ios::binary | std::ios::trunc);
    out << text;
}

void CraftTest::launch() {
    if (!engine) start();
    camera = std::make_unique<Camera>(-400, -300);
    pilot = std::make_unique<Pilot>("blah");
    craft = std::make_unique<HX4corv>(engine.get(), camera.get(), -200, 0);
    craft->setPilot(pilot.get());
    engine->work = [this](ScriptedEngine&) {
        craft->update();
        const platform::Point v = craft->getVelocity();
        camera->update(v.x, v.y);
        craft->draw();
    };
}

void CraftTest::frame(std::initializer_list<int> keys) {
    for (int key : held) backend.inputHardware().setKey(key, false);
    held = std::set<int>(keys);
    for (int key : held) backend.inputHardware().setKey(key, true);
    engine->gameLoop();
}

void CraftTest::frames(int count, std::initializer_list<int> keys) {
    for (int i = 0; i < count; ++i) frame(keys);
}

void CraftTest::transform(int key) {
    frame();
    for (int held = 0; held < 40; ++held) {
        frame({key});
        if (craft->getMode() <= 2) break;
    }
    frame();
}

platform::Point CraftTest::onScreen() const {
    const platform::Rect view = camera->getView();
    return {location().x - view.left, location().y - view.top};
}

namespace {

std::string firstBodyLike(const Picture& picture) {
    for (const auto& [label, cell] : cells()) {
        if (isBody(label) && cell == picture) return label;
    }
    return "?";
}

}  // namespace

std::string CraftTest::shownFrame() const {
    const Picture region = regionOf(backend, onScreen());
    if (region == composed({})) return "none";
    return firstBodyLike(region);
}

std::string CraftTest::shownAs(const std::string& label) {
    return firstBodyLike(cells().at(label));
}

bool CraftTest::shows(const std::vector<std::string>& layers) const {
    return regionOf(backend, onScreen()) == composed(layers);
}

void CraftTest::syncBlink() {
    // Shooting straight shows a flash in every steady mode: a frame without one means the next
    // has it.
    frame({platform::DIK_D});
    if (shownFrame() != "?") frame({platform::DIK_D});
}
