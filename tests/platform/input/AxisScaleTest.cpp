#include <gtest/gtest.h>

#include <cstdlib>
#include <ostream>
#include <string>

#include "platform/input/AxisScale.h"

namespace {

// The game's settings: -100 to 100 with a dead zone of a tenth.
constexpr platform::AxisSettings game{-100, 100, 1000};

}  // namespace

struct AxisSample {
    int raw;
    int expected;
};

void PrintTo(const AxisSample& sample, std::ostream* out) {
    *out << sample.raw << " -> " << sample.expected;
}

class AxisScaleTest : public ::testing::TestWithParam<AxisSample> {};

// Other platforms round a little differently, so the reference allows one either way.
TEST_P(AxisScaleTest, MatchesTheReferenceWithinOne) {
    const AxisSample sample = GetParam();
    EXPECT_LE(std::abs(platform::scaleAxis(sample.raw, game) - sample.expected), 1);
}

INSTANTIATE_TEST_SUITE_P(
    ReferenceTable, AxisScaleTest,
    ::testing::Values(AxisSample{-32768, -100}, AxisSample{-30000, -91}, AxisSample{-16384, -44},
                      AxisSample{-3277, 0}, AxisSample{3277, 0}, AxisSample{3600, 1},
                      AxisSample{16384, 44}, AxisSample{29490, 89}, AxisSample{32767, 100}),
    [](const ::testing::TestParamInfo<AxisSample>& info) {
        const int raw = info.param.raw;
        return (raw < 0 ? "minus" : "plus") + std::to_string(raw < 0 ? -raw : raw);
    });

TEST(AxisScaleEdgesTest, DeadZoneIsExactAndTheEndsAreReached) {
    for (int raw : {-3277, -1, 0, 3000, 3277}) EXPECT_EQ(platform::scaleAxis(raw, game), 0);
    EXPECT_EQ(platform::scaleAxis(-32768, game), -100);
    EXPECT_EQ(platform::scaleAxis(32767, game), 100);
}

TEST(AxisScaleEdgesTest, NeverGoesBackwards) {
    int previous = platform::scaleAxis(-32768, game);
    for (int raw = -32767; raw <= 32767; ++raw) {
        const int value = platform::scaleAxis(raw, game);
        ASSERT_GE(value, previous) << "raw " << raw;
        previous = value;
    }
}
