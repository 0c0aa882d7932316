#include "assets/AssetTestSupport.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "assets/Sheet.h"
#include "bmpwriter/BmpWriter.h"
#include "enemies/ExplosionFrames.h"
#include "enemies/PodFrames.h"
#include "graphics/BmpDecoder.h"
#include "platform/video/PixelFormat.h"
#include "player/CorvaneFrames.h"
#include "support/Sheets.h"

namespace assettest {

namespace {

std::vector<int> range(int from, int to) {
    std::vector<int> v;
    for (int i = from; i <= to; ++i) v.push_back(i);
    return v;
}

std::vector<int> join(std::vector<int> a, const std::vector<int>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

Expected cut(const std::string& file, const FrameGrid& g, std::vector<int> shown,
             std::vector<int> unused) {
    return {file,
            g.columns * g.cellWidth,
            g.rows * g.cellHeight,
            g.columns,
            g.rows,
            g.cellWidth,
            g.cellHeight,
            g.frameLeft,
            g.frameTop,
            g.frameWidth,
            g.frameHeight,
            g.drawWidth,
            g.drawHeight,
            shown,
            unused,
            true,
            true};
}

Expected craft(const std::string& file, std::vector<int> shown, std::vector<int> unused) {
    return cut(file, corvaneGrid, shown, unused);
}

Expected whole(const std::string& file, int width, int height, bool solid, bool framed) {
    return {file,  width,  height, 1,      1,   width, height, 0,     0,
            width, height, width,  height, {0}, {},    solid,  framed};
}

std::vector<Expected> table() {
    return {
        craft("hx4fighter_extras.bmp", join(range(0, 21), range(24, 29)), {22, 23}),
        craft("hx4standmech.bmp", range(0, 17), range(18, 29)),
        craft("hx4hovermech.bmp", range(0, 17), range(18, 29)),
        craft("hx4trans.bmp",
              join(join(range(0, 4), range(6, 10)), join(range(12, 16), range(18, 22))),
              {5, 11, 17, 23, 24, 25, 26, 27, 28, 29}),
        whole("alzbullet.bmp", 18, 6, true, false),
        whole("voskbullet.bmp", 12, 12, true, false),
        cut("raider.bmp", raiderGrid, range(0, 11), range(12, 14)),
        cut("drone.bmp", droneGrid, range(0, 3), {}),
        whole("flagship1.bmp", 900, 280, true, true),
        whole("voskcommandship.bmp", 540, 260, true, true),
        whole("vosktroopcarrier.bmp", 620, 210, true, true),
        whole("voskdestroyer.bmp", 700, 150, true, true),
        cut("explosion1.bmp", explosion1Grid, range(0, 7), {}),
        cut("explosion2.bmp", explosion2Grid, range(0, 13), {}),
        whole("navscreen.bmp", 800, 600, false, false),
        whole("cursor.bmp", 18, 26, true, false),
        {"selections.bmp",
         400,
         400,
         2,
         2,
         200,
         200,
         0,
         0,
         200,
         200,
         200,
         200,
         range(0, 3),
         {},
         false,
         true},
    };
}

}  // namespace

const std::vector<Expected>& expectedSheets() {
    static const std::vector<Expected> all = table();
    return all;
}

const Expected& expected(const std::string& file) {
    for (const Expected& e : expectedSheets()) {
        if (e.file == file) return e;
    }
    throw std::invalid_argument(file);
}

platform::Bitmap decodedSheet(const std::string& file) {
    const assets::Sheet* sheet = assets::findSheet(file);
    EXPECT_NE(sheet, nullptr) << file;
    platform::Bitmap decoded;
    if (sheet == nullptr) return decoded;
    const std::vector<std::uint8_t> bytes = bmpwriter::encodeBmp(sheet->draw());
    EXPECT_TRUE(decodeBmp(bytes, decoded)) << file;
    return decoded;
}

bool transparent(std::uint32_t rgb) {
    return platform::rgbTo565(rgb >> 16, rgb >> 8, rgb) == 0;
}

Frame frameRect(const Expected& e, int index) {
    return {index % e.columns * e.cellWidth + e.frameLeft,
            index / e.columns * e.cellHeight + e.frameTop, e.frameWidth, e.frameHeight};
}

platform::Point sourcePixel(const Expected& e, int index, int dx, int dy) {
    const Frame f = frameRect(e, index);
    return stretchedFrom({f.left, f.top, f.left + f.width, f.top + f.height}, e.drawWidth,
                         e.drawHeight, dx, dy);
}

}  // namespace assettest
