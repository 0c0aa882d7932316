#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "platform/video/WidenPixels.h"

// Every 5-6-5 value, through the wide loop and the tail alike, against the plain rule.
TEST(WidenPixelsTest, RepeatsTheTopBitsOfEveryField) {
    // 65536 + 13: the widest loop, then an eight-pixel one, then single pixels.
    std::vector<std::uint16_t> all(65536 + 13);
    for (std::size_t i = 0; i < all.size(); ++i) all[i] = static_cast<std::uint16_t>(i);
    std::vector<std::uint32_t> wide(all.size());
    platform::widen565(all.data(), wide.data(), all.size());
    for (std::size_t i = 0; i < all.size(); ++i) {
        const std::uint32_t r = all[i] >> 11, g = (all[i] >> 5) & 63, b = all[i] & 31;
        const std::uint32_t expected =
            0xFF000000u | (r << 3 | r >> 2) << 16 | (g << 2 | g >> 4) << 8 | (b << 3 | b >> 2);
        ASSERT_EQ(wide[i], expected) << i;
    }
    EXPECT_EQ(wide[0xFFFF], 0xFFFFFFFFu);
    std::uint32_t one = 0;
    const std::uint16_t white = 0xFFFF;
    platform::widen565(&white, &one, 1, 0);
    EXPECT_EQ(one, 0x00FFFFFFu);
}
