#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "enemies/Explosion.h"
#include "enemies/ExplosionFrames.h"
#include "support/CombatFixture.h"

namespace {

using Lines = std::vector<std::string>;

class ExplosionTest : public CombatFixture {
protected:
    void TearDown() override {
        explosions.clear();
        CombatFixture::TearDown();
    }
    Explosion& make() {
        return *explosions.emplace_back(std::make_unique<Explosion>(engine.get(), &camera));
    }
    // Starts it as the battle does and runs the battle's pass, calling `seen` after each frame,
    // until it ends; answers the updates that took.
    int play(
        Explosion& e, int type, int x, int y, const std::function<void()>& seen = [] {}) {
        e.setActive(true);
        e.setExplosionType(type);
        e.setLocation(x, y);
        e.setEndsBattle(true);
        int updates = 0;
        for (; e.isActive() && updates < 99; ++updates) {
            frame([&e] {
                e.update();
                e.draw();
            });
            seen();
        }
        EXPECT_EQ(e.getFrame(), 0);
        EXPECT_TRUE(e.getEndsBattle());
        return updates;
    }
    std::vector<std::unique_ptr<Explosion>> explosions;
};

struct Type {
    int type;
    const char* file;
    FrameGrid grid;
    int firstHeld;  // updates frame 0 is shown; later frames one more each
    int draws;
};

void PrintTo(const Type& t, std::ostream* out) {
    *out << "type " << t.type;
}

class ExplosionTypes : public ExplosionTest, public testing::WithParamInterface<Type> {};

TEST_P(ExplosionTypes, ShowEachFrameInTheirRectangleForItsTimeThenEnd) {
    const Type& t = GetParam();
    camera = Camera(100, 50);
    const platform::Rect r{500, 200, 500 + t.grid.drawWidth, 200 + t.grid.drawHeight};
    std::vector<int> shown;
    const int updates = play(make(), t.type, 500, 200, [&] {
        int f = 0;
        while (f < t.grid.count() && !shows(r, t.file, {t.grid.frame(f)})) ++f;
        if (litPixels() > 0) shown.push_back(f);
    });
    std::vector<int> expected(t.firstHeld, 0);
    for (int f = 1; expected.size() < static_cast<std::size_t>(t.draws); ++f) {
        expected.insert(expected.end(), t.firstHeld + 1, f);
    }
    EXPECT_EQ(shown, expected);
    EXPECT_EQ(updates, t.draws + 1);
}

INSTANTIATE_TEST_SUITE_P(Types, ExplosionTypes,
                         testing::Values(Type{1, "explosion1.bmp", explosion1Grid, 2, 23},
                                         Type{2, "explosion2.bmp", explosion2Grid, 1, 27},
                                         Type{7, "explosion2.bmp", explosion2Grid, 1, 27}));

TEST_F(ExplosionTest, OutOfViewOrWithoutItsSheetsItStillEndsOnTime) {
    EXPECT_EQ(play(make(), 2, 5000, 5000, [&] { EXPECT_EQ(litPixels(), 0); }), 28);
    explosions.clear();
    std::filesystem::remove(path("explosion2.bmp"));
    Explosion& bare = make();
    startLines = logLines().size();
    EXPECT_EQ(play(bare, 2, 0, 0), 28);
    EXPECT_EQ(linesSinceStart(), Lines(27, "ERROR: do no have image of the explodeFrames loaded"));
}

TEST_F(ExplosionTest, APoolLoadsEachSheetOnceAndItsLastReleasesThem) {
    make();
    Image* sheets[] = {Explosion::explode1Frames, Explosion::explode2Frames};
    std::filesystem::remove(path("explosion1.bmp"));
    std::filesystem::remove(path("explosion2.bmp"));
    for (int i = 0; i < 9; ++i) make();
    EXPECT_EQ(Explosion::explosionCount, 10);
    explosions.erase(explosions.begin(), explosions.begin() + 9);
    EXPECT_EQ(Explosion::explode1Frames, sheets[0]);
    EXPECT_EQ(Explosion::explode2Frames, sheets[1]);
    explosions.clear();
    EXPECT_EQ(Explosion::explode1Frames, nullptr);
    EXPECT_EQ(Explosion::explode2Frames, nullptr);
    make();
    EXPECT_EQ(linesSinceStart(), (Lines{"ERROR: unable to load bitmap",
                                        "ERROR: - unable to load explode1Frames image"}));
}

struct Failure {
    const char* missing;  // a sheet, or null
    int keysBefore;       // colour keys set before one is refused, or -1
    std::string line;
};

void PrintTo(const Failure& f, std::ostream* out) {
    *out << (f.missing ? f.missing : "key") << " " << f.keysBefore;
}

class ExplosionFailures : public ExplosionTest, public testing::WithParamInterface<Failure> {};

TEST_P(ExplosionFailures, LeaveNothingLoadedAndNoHolder) {
    const Failure& f = GetParam();
    if (f.missing != nullptr) std::filesystem::remove(path(f.missing));
    if (f.keysBefore >= 0) backend.fail("display.colorKey", 1, f.keysBefore);
    make();
    const Lines lines{
        f.missing ? "ERROR: unable to load bitmap" : "ERROR: Unable to set colour key", f.line};
    EXPECT_EQ(Explosion::explosionCount, 0);
    EXPECT_EQ(Explosion::explode1Frames, nullptr);
    EXPECT_EQ(Explosion::explode2Frames, nullptr);

    // The next one starts clean; losing the failed one releases nothing.
    if (f.missing != nullptr) copyGameFile(f.missing);
    Explosion& good = make();
    explosions.erase(explosions.begin());
    int drawn = 0;
    play(good, 2, 0, 0, [&] { drawn += litPixels() > 0; });
    EXPECT_EQ(drawn, 27);
    EXPECT_EQ(linesSinceStart(), lines);
}

// The second sheet's load failure has always used the first one's line.
INSTANTIATE_TEST_SUITE_P(
    Steps, ExplosionFailures,
    testing::Values(Failure{"explosion1.bmp", -1, "ERROR: - unable to load explode1Frames image"},
                    Failure{nullptr, 0, "ERROR: - unable to set explode1Frames colorkey"},
                    Failure{"explosion2.bmp", -1, "ERROR: - unable to load explode1Frames image"},
                    Failure{nullptr, 1, "ERROR: - unable to set explode2Frames colorkey"}));

}  // namespace
