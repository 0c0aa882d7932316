#include <gtest/gtest.h>

#include <vector>

#include "platform/Random.h"

// The runtime's generator, unseeded, has always begun 41, 18467, 6334, ...; the first battle's
// layout depends on it.
TEST(RandomTest, RepeatsTheRuntimesSequenceFromItsStartingState) {
    platform::srand(1);
    std::vector<int> first;
    for (int i = 0; i < 10; ++i) first.push_back(platform::rand());
    EXPECT_EQ(first,
              (std::vector<int>{41, 18467, 6334, 26500, 19169, 15724, 11478, 29358, 26962, 24464}));
    platform::srand(0);
    EXPECT_EQ(platform::rand(), 38);
    // Every value lies in 0..32767, including across the state's wrap.
    platform::srand(0xFFFFFFFFu);
    for (int i = 0; i < 100000; ++i) {
        const int r = platform::rand();
        ASSERT_GE(r, 0);
        ASSERT_LE(r, 32767);
    }
    platform::srand(1);
}
