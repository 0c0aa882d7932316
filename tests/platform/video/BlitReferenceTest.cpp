#include <functional>
#include <random>
#include <vector>

#include "platform/video/BlitReference.h"
#include "platform/video/Clipper.h"
#include "platform/video/DeviceContext.h"
#include "platform/video/Surface.h"
#include "support/HeadlessTest.h"

using platform::Clipper;
using platform::Rect;
using platform::Surface;

namespace {

// Sprite-like rows: stretches of key (0) and of varied opaque values, a few near the key.
void paintSprite(Surface& s, std::mt19937& random) {
    std::uniform_int_distribution<int> length(1, 12);
    std::uniform_int_distribution<int> value(0, 0xFFFF);
    paint(s, [&, left = 0, opaque = false](int x, int) mutable {
        if (x == 0 || left == 0) {
            left = length(random);
            opaque = !opaque;
        }
        --left;
        if (!opaque) return std::uint16_t{0};
        const int v = value(random);
        return static_cast<std::uint16_t>(v % 7 == 0 ? 1 + v % 3 : v | 1);
    });
}

int between(std::mt19937& random, int low, int high) {
    return std::uniform_int_distribution<int>(low, high)(random);
}

}  // namespace

class BlitReferenceTest : public HeadlessTest {
protected:
    static constexpr int width = 160;
    static constexpr int height = 120;
    Surface destination{width, height, platform::PixelFormat{}};
    Clipper clipper;
    std::mt19937 random{20240611};

    // Blits `from` of `source` onto `to` over fresh destination pixels and checks the result
    // against the reference, for a first and a repeated blit.
    void expectReference(const Rect& to, Surface& source, const Rect& from, const Rect* clip,
                         bool keyed) {
        for (int pass = 0; pass < 2; ++pass) {
            paint(destination, [](int x, int y) { return std::uint16_t(0x8000 | (x * 7 + y)); });
            const std::vector<std::uint16_t> before = pixelsOf(destination);
            ASSERT_TRUE(destination.blit(&to, &source, &from, keyed));
            ASSERT_EQ(pixelsOf(destination),
                      referenceBlit(before, width, height, to, source, from, clip, keyed))
                << "to " << to.left << "," << to.top << " " << to.width() << "x" << to.height()
                << " from " << from.left << "," << from.top << " " << from.width() << "x"
                << from.height() << " keyed " << keyed << " pass " << pass;
        }
    }
};

TEST_F(BlitReferenceTest, CutBlitsShowExactlyTheUncutPixels) {
    // Sources are reused across blits, as sprite sheets are, so that frames at several sizes
    // compete for whatever the source keeps.
    for (int sheet = 0; sheet < 12; ++sheet) {
        Surface source(between(random, 1, 240), between(random, 1, 200), platform::PixelFormat{});
        paintSprite(source, random);
        const std::uint32_t low = between(random, 0, 1);
        ASSERT_TRUE(source.setColorKey(low, low + between(random, 0, 2)));
        for (int i = 0; i < 25; ++i) {
            const int fromLeft = between(random, 0, source.width() - 1);
            const int fromTop = between(random, 0, source.height() - 1);
            const Rect from{fromLeft, fromTop, between(random, fromLeft + 1, source.width()),
                            between(random, fromTop + 1, source.height())};
            const bool same = between(random, 0, 2) == 0;
            const int w = same ? from.width() : between(random, 1, 420);
            const int h = same ? from.height() : between(random, 1, 330);
            const int left = between(random, -w - 10, width + 10);
            const int top = between(random, -h - 10, height + 10);
            const Rect to{left, top, left + w, top + h};
            // The clip may lie anywhere, reach past the surface or miss it.
            const int clipLeft = between(random, -40, width);
            const int clipTop = between(random, -40, height);
            const Rect clip{clipLeft, clipTop, between(random, clipLeft + 1, width + 40),
                            between(random, clipTop + 1, height + 40)};
            ASSERT_TRUE(clipper.setClipList(&clip, 1));
            ASSERT_TRUE(destination.setClipper(&clipper));
            expectReference(to, source, from, &clip, between(random, 0, 3) != 0);
        }
    }
}

TEST_F(BlitReferenceTest, SourceAndDestinationLargerThanTheClip) {
    Surface source(400, 300, platform::PixelFormat{});
    paintSprite(source, random);
    ASSERT_TRUE(source.setColorKey(0, 0));
    const Rect clip{10, 5, 150, 110};
    ASSERT_TRUE(clipper.setClipList(&clip, 1));
    ASSERT_TRUE(destination.setClipper(&clipper));
    const Rect whole{0, 0, 400, 300};
    for (const Rect& to :
         {Rect{-100, -60, 300, 240}, Rect{-30, -20, 350, 310}, Rect{-200, -150, 500, 300}}) {
        expectReference(to, source, whole, &clip, true);
        expectReference(to, source, whole, &clip, false);
    }
}

TEST_F(BlitReferenceTest, ChangedSourcePixelsOrKeyShowInTheNextBlit) {
    Surface other(8, 8, platform::PixelFormat{});
    ASSERT_TRUE(other.colorFill(nullptr, 0x4321));
    const Rect part{2, 2, 6, 5};
    const std::pair<const char*, std::function<void(Surface&)>> changes[] = {
        {"lock", [](Surface& s) { paint(s, [](int x, int y) { return std::uint16_t(x ^ y); }); }},
        {"device context",
         [](Surface& s) {
             platform::DeviceContext* dc = s.getDC();
             ASSERT_NE(dc, nullptr);
             for (int x = 0; x < 8; ++x) dc->setPixel(x, 3, platform::makeColorRef(255, 0, 0));
             s.releaseDC(dc);
         }},
        {"blit into it", [&](Surface& s) { ASSERT_TRUE(s.blit(&part, &other, nullptr, false)); }},
        {"fill", [&](Surface& s) { ASSERT_TRUE(s.colorFill(&part, 0)); }},
        {"key", [](Surface& s) { ASSERT_TRUE(s.setColorKey(0x0203, 0x0405)); }},
    };
    for (const auto& [name, change] : changes) {
        SCOPED_TRACE(name);
        Surface source(8, 8, platform::PixelFormat{});
        paint(source, [](int x, int y) { return std::uint16_t((x + y) % 3 ? 0x101 * x + y : 0); });
        ASSERT_TRUE(source.setColorKey(0, 0));
        const Rect from{0, 0, 8, 8};
        for (const Rect& to : {Rect{10, 10, 18, 18}, Rect{10, 10, 31, 25}}) {
            expectReference(to, source, from, nullptr, true);
            change(source);
            expectReference(to, source, from, nullptr, true);
        }
    }
}
