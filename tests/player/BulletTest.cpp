#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "player/AlzBullet.h"
#include "player/VoskBullet.h"
#include "support/CombatFixture.h"

namespace {

using platform::Point;
using platform::Rect;

struct Alz {
    using Kind = AlzBullet;
    static constexpr const char* word = "alz";
    // From a craft flying right at 12, 30 faster; retired after its eleventh update.
    static constexpr int velocity = 42, updates = 11;
};
struct Vosk {
    using Kind = VoskBullet;
    static constexpr const char* word = "vosk";
    // Straight ahead from a pod at rest facing left.
    static constexpr int velocity = -5, updates = 41;
};

template <typename T>
class BulletTest : public CombatFixture {
protected:
    using Kind = typename T::Kind;
    void TearDown() override {
        bullets.clear();
        CombatFixture::TearDown();
    }
    Kind& make() { return *bullets.emplace_back(std::make_unique<Kind>(engine.get(), &camera)); }
    void launch(Kind& b, Point at, int velocity) {
        b.setLocation(at.x, at.y);
        b.setVelocity(velocity, 0);
        b.setActive(true);
    }
    // The battle's pass over one bullet.
    void pass(Kind& b) {
        frame([&b] {
            b.update();
            b.draw();
            if (b.expired()) {
                b.reset();
                b.setActive(false);
            }
        });
    }
    std::string file() const { return std::string(T::word) + "bullet.bmp"; }
    std::string line(const std::string& what) const {
        return "ERROR: - unable to " + what + " " + T::word + " bullet " +
               (what == "load" ? "image" : "colorkey");
    }
    std::vector<std::unique_ptr<Kind>> bullets;
};

using Kinds = testing::Types<Alz, Vosk>;
TYPED_TEST_SUITE(BulletTest, Kinds);

TYPED_TEST(BulletTest, FliesDrawnWhereItIsUntilItOutlivesItsLifetime) {
    auto& b = this->make();
    const Rect sheet = b.getWorldRect();
    EXPECT_EQ(AlzBullet::bulletCount + VoskBullet::bulletCount, 1);
    EXPECT_EQ(b.getDamage(), 1);
    this->launch(b, {-100, 20}, TypeParam::velocity);
    int updates = 0;
    while (b.isActive() && updates < 99) {
        this->pass(b);
        const int x = -100 + ++updates * TypeParam::velocity;
        ASSERT_TRUE(
            this->shows({x, 20, x + sheet.right, 20 + sheet.bottom}, this->file(), {sheet}));
    }
    EXPECT_EQ(updates, TypeParam::updates);
    // At rest, its rectangle at the origin; the location waits for the next launch.
    EXPECT_EQ(b.getWorldRect(), sheet);
    b.update();
    EXPECT_EQ(b.getLocation(), (Point{-100 + updates * TypeParam::velocity, 20}));

    // Out of the view, or hidden, it flies and ages undrawn.
    this->launch(b, {400, 0}, 5);
    this->pass(b);
    EXPECT_EQ(this->litPixels(), 0);
    b.setLocation(0, 0);
    b.setVisible(false);
    this->pass(b);
    EXPECT_EQ(this->litPixels(), 0);
    EXPECT_EQ(b.getLocation(), (Point{5, 0}));
    EXPECT_EQ(b.getAge(), 3);
}

TYPED_TEST(BulletTest, OnlyBulletsThatGotTheSheetHoldItAndTheLastReleasesIt) {
    using Kind = typename TestFixture::Kind;
    std::filesystem::remove(this->path(this->file()));
    this->make();
    this->copyGameFile(this->file());
    this->backend.fail("display.colorKey", 1);
    EXPECT_EQ(this->make().getWorldRect(), Rect{});
    EXPECT_EQ(Kind::bulletCount, 0);

    this->make();
    Image* sheet = Kind::bulletImage;
    // Later bullets must not need the file.
    std::filesystem::remove(this->path(this->file()));
    auto& last = this->make();
    EXPECT_EQ(Kind::bulletCount, 2);
    EXPECT_EQ(Kind::bulletImage, sheet);
    this->bullets.erase(this->bullets.begin(), this->bullets.begin() + 3);
    EXPECT_EQ(Kind::bulletCount, 1);
    this->launch(last, {0, 0}, 0);
    this->pass(last);
    EXPECT_TRUE(this->shows(last.getWorldRect(), this->file(), {last.getWorldRect()}));

    this->bullets.clear();
    EXPECT_EQ(Kind::bulletImage, nullptr);
    this->make();
    EXPECT_EQ(this->linesSinceStart(),
              (std::vector<std::string>{"ERROR: unable to load bitmap", this->line("load"),
                                        "ERROR: Unable to set colour key", this->line("set"),
                                        "ERROR: unable to load bitmap", this->line("load")}));
}

}  // namespace
