#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <set>
#include <string>
#include <vector>

#include "platform/input/KeyCodes.h"
#include "platform/input/PhysicalKeys.h"
#include "platform/video/WidenPixels.h"
#include "platform/web/CanvasPixels.h"
#include "platform/web/GamepadMapping.h"
#include "platform/web/WebPacing.h"

namespace {

TEST(CanvasPixelsTest, EveryPixelWidensAsTheNativeBackendsDo) {
    std::vector<std::uint16_t> all(65536);
    for (std::size_t p = 0; p < all.size(); ++p) all[p] = static_cast<std::uint16_t>(p);
    std::vector<std::uint32_t> native(all.size());
    platform::widen565(all.data(), native.data(), all.size());
    std::vector<std::uint8_t> canvas(all.size() * 4);
    platform::CanvasPixels().convert(all.data(), canvas.data(), all.size());
    for (std::size_t p = 0; p < all.size(); ++p) {
        const std::uint32_t argb = native[p];
        const std::uint8_t expected[4] = {static_cast<std::uint8_t>(argb >> 16),
                                          static_cast<std::uint8_t>(argb >> 8),
                                          static_cast<std::uint8_t>(argb), 0xFF};
        ASSERT_EQ(std::memcmp(&canvas[p * 4], expected, 4), 0) << "pixel " << p;
    }
}

TEST(WebClockTest, AWaitIsOverAtOnceAndMovesTheClockAsTheRunnersDoes) {
    platform::WebClock clock;
    // The frame loop's wait: one call ends it, 16 ms a pass as on the headless runner.
    for (int pass = 0; pass < 3; ++pass) {
        const std::uint32_t start = clock.now();
        clock.wait(16 - (clock.now() - start));
        EXPECT_EQ(clock.now() - start, 16u);
    }
    clock.wait(0);
    EXPECT_EQ(clock.now(), 49u);
}

TEST(WebClockTest, FollowsTheBrowserButNeverRunsBackwards) {
    platform::WebClock clock;
    clock.catchUp(1000);
    EXPECT_EQ(clock.now(), 1000u);
    clock.wait(16);
    // The browser's next frame came early: the game's clock keeps its own lead.
    clock.catchUp(1010);
    EXPECT_EQ(clock.now(), 1016u);
    clock.catchUp(5000);
    EXPECT_EQ(clock.now(), 5000u);
    // Across the counter's wrap, in steps of less than half its range.
    clock.catchUp(0x70000000u);
    clock.catchUp(0xE0000000u);
    clock.catchUp(0xFFFFFFF0u);
    clock.catchUp(0x10u);
    EXPECT_EQ(clock.now(), 0x10u);
}

TEST(FramePacerTest, OnePassPerCallbackOnceAFrameHasGoneBy) {
    struct Case {
        const char* name;
        std::vector<double> callbacks;
        std::vector<bool> passes;
    };
    const Case cases[] = {
        {"60 Hz", {0, 16.7, 33.3, 50.0}, {true, true, true, true}},
        {"120 Hz", {0, 8.3, 16.7, 25.0, 33.3}, {true, false, true, false, true}},
        // A hidden tab gets no callbacks; on its return one pass, then the ordinary pace.
        {"hidden", {0, 16.7, 9000, 9008, 9016.7}, {true, true, true, false, true}},
    };
    for (const Case& c : cases) {
        platform::FramePacer pacer(16);
        std::vector<bool> passes;
        for (double t : c.callbacks) passes.push_back(pacer.due(t));
        EXPECT_EQ(passes, c.passes) << c.name;
    }
}

TEST(GamepadMappingTest, StandardButtonsComeInTheControllerOrder) {
    // A, B, X, Y, back, guide, start, left stick, right stick, left shoulder.
    const std::size_t standard[] = {0, 1, 2, 3, 8, 16, 9, 10, 11, 4};
    for (std::size_t i = 0; i < std::size(standard); ++i) {
        bool buttons[17] = {};
        buttons[standard[i]] = true;
        const platform::JoystickReading r = platform::gamepadReading({}, buttons, true);
        for (std::size_t j = 0; j < r.buttons.size(); ++j) {
            EXPECT_EQ(r.buttons[j], i == j) << "standard button " << standard[i];
        }
    }
}

TEST(GamepadMappingTest, AxesSpanTheHardwareRange) {
    struct Case {
        double in;
        int out;
    };
    const Case cases[] = {{-1, -32768}, {1, 32767}, {0, 0},  {0.5, 16384},
                          {-2, -32768}, {3, 32767}, {NAN, 0}};
    for (const Case& c : cases) {
        const double axes[2] = {c.in, -c.in};
        const platform::JoystickReading r = platform::gamepadReading(axes, {}, true);
        EXPECT_EQ(r.x, c.out) << c.in;
    }
    // A pad without the standard mapping is read as it reports itself.
    const bool raw[12] = {false, false, false, false, false, false, false, false, false, true};
    EXPECT_TRUE(platform::gamepadReading({}, raw, false).buttons[9]);
    EXPECT_FALSE(platform::gamepadReading({}, raw, true).buttons[9]);
}

TEST(PhysicalKeysTest, BrowsersNamesGiveTheKeyCodes) {
    struct Case {
        const char* code;
        int keyCode;
    };
    const Case cases[] = {{"KeyA", platform::DIK_A},
                          {"Digit1", platform::DIK_1},
                          {"Space", platform::DIK_SPACE},
                          {"Escape", platform::DIK_ESCAPE},
                          {"ArrowUp", 0xC8},
                          {"NumpadEnter", 0x9C},
                          {"ControlRight", 0x9D},
                          {"Enter", 0x1C},
                          {"IntlBackslash", 0x56},
                          {"Backslash", platform::DIK_BACKSLASH},
                          {"F12", platform::DIK_F12},
                          {"MetaLeft", platform::DIK_LWIN}};
    for (const Case& c : cases) {
        EXPECT_EQ(platform::keyCodeOfWebCode(c.code), c.keyCode) << c.code;
    }
    EXPECT_FALSE(platform::keyCodeOfWebCode("").has_value());
    EXPECT_FALSE(platform::keyCodeOfWebCode("Unidentified").has_value());
}

TEST(PhysicalKeysTest, EachNameAndUsageBelongsToOneKey) {
    std::set<std::string_view> names;
    std::set<int> usages;
    for (const platform::PhysicalKey& key : platform::physicalKeys()) {
        EXPECT_TRUE(usages.insert(key.usage).second) << key.usage;
        if (!key.webCode.empty()) {
            EXPECT_TRUE(names.insert(key.webCode).second) << key.webCode;
        }
    }
    // Only the ISO key beside Enter has no name of its own in a browser.
    EXPECT_EQ(names.size() + 1, platform::physicalKeys().size());
}

}  // namespace
