#include <gtest/gtest.h>

#include <map>

#include "platform/input/KeyCodes.h"
#include "platform/sdl/SdlInputTables.h"

namespace {

int keyCodeOf(SDL_Scancode scancode) {
    for (const platform::ScancodeMapping& key : platform::scancodeTable()) {
        if (key.scancode == scancode) return key.keyCode;
    }
    return 0;
}

// The 105 keys of an ISO keyboard and the ANSI backslash key, row by row.
// clang-format off
constexpr SDL_Scancode fullKeyboard[] = {
    SDL_SCANCODE_ESCAPE, SDL_SCANCODE_F1, SDL_SCANCODE_F2, SDL_SCANCODE_F3, SDL_SCANCODE_F4,
    SDL_SCANCODE_F5, SDL_SCANCODE_F6, SDL_SCANCODE_F7, SDL_SCANCODE_F8, SDL_SCANCODE_F9,
    SDL_SCANCODE_F10, SDL_SCANCODE_F11, SDL_SCANCODE_F12, SDL_SCANCODE_PRINTSCREEN,
    SDL_SCANCODE_SCROLLLOCK, SDL_SCANCODE_PAUSE,
    SDL_SCANCODE_GRAVE, SDL_SCANCODE_1, SDL_SCANCODE_2, SDL_SCANCODE_3, SDL_SCANCODE_4,
    SDL_SCANCODE_5, SDL_SCANCODE_6, SDL_SCANCODE_7, SDL_SCANCODE_8, SDL_SCANCODE_9, SDL_SCANCODE_0,
    SDL_SCANCODE_MINUS, SDL_SCANCODE_EQUALS, SDL_SCANCODE_BACKSPACE, SDL_SCANCODE_INSERT,
    SDL_SCANCODE_HOME, SDL_SCANCODE_PAGEUP,
    SDL_SCANCODE_NUMLOCKCLEAR, SDL_SCANCODE_KP_DIVIDE, SDL_SCANCODE_KP_MULTIPLY,
    SDL_SCANCODE_KP_MINUS,
    SDL_SCANCODE_TAB, SDL_SCANCODE_Q, SDL_SCANCODE_W, SDL_SCANCODE_E, SDL_SCANCODE_R,
    SDL_SCANCODE_T, SDL_SCANCODE_Y, SDL_SCANCODE_U, SDL_SCANCODE_I, SDL_SCANCODE_O, SDL_SCANCODE_P,
    SDL_SCANCODE_LEFTBRACKET, SDL_SCANCODE_RIGHTBRACKET, SDL_SCANCODE_BACKSLASH,
    SDL_SCANCODE_DELETE, SDL_SCANCODE_END, SDL_SCANCODE_PAGEDOWN,
    SDL_SCANCODE_KP_7, SDL_SCANCODE_KP_8, SDL_SCANCODE_KP_9, SDL_SCANCODE_KP_PLUS,
    SDL_SCANCODE_CAPSLOCK, SDL_SCANCODE_A, SDL_SCANCODE_S, SDL_SCANCODE_D, SDL_SCANCODE_F,
    SDL_SCANCODE_G, SDL_SCANCODE_H, SDL_SCANCODE_J, SDL_SCANCODE_K, SDL_SCANCODE_L,
    SDL_SCANCODE_SEMICOLON, SDL_SCANCODE_APOSTROPHE, SDL_SCANCODE_NONUSHASH, SDL_SCANCODE_RETURN,
    SDL_SCANCODE_KP_4, SDL_SCANCODE_KP_5, SDL_SCANCODE_KP_6,
    SDL_SCANCODE_LSHIFT, SDL_SCANCODE_NONUSBACKSLASH, SDL_SCANCODE_Z, SDL_SCANCODE_X,
    SDL_SCANCODE_C, SDL_SCANCODE_V, SDL_SCANCODE_B, SDL_SCANCODE_N, SDL_SCANCODE_M,
    SDL_SCANCODE_COMMA, SDL_SCANCODE_PERIOD, SDL_SCANCODE_SLASH, SDL_SCANCODE_RSHIFT,
    SDL_SCANCODE_UP, SDL_SCANCODE_KP_1, SDL_SCANCODE_KP_2, SDL_SCANCODE_KP_3, SDL_SCANCODE_KP_ENTER,
    SDL_SCANCODE_LCTRL, SDL_SCANCODE_LGUI, SDL_SCANCODE_LALT, SDL_SCANCODE_SPACE, SDL_SCANCODE_RALT,
    SDL_SCANCODE_RGUI, SDL_SCANCODE_APPLICATION, SDL_SCANCODE_RCTRL, SDL_SCANCODE_LEFT,
    SDL_SCANCODE_DOWN, SDL_SCANCODE_RIGHT, SDL_SCANCODE_KP_0, SDL_SCANCODE_KP_PERIOD,
};
// clang-format on

}  // namespace

TEST(ScancodeTableTest, CoversEveryKeyOfTheFullKeyboard) {
    static_assert(std::size(fullKeyboard) == 106);
    std::map<int, int> seen;
    for (SDL_Scancode scancode : fullKeyboard) {
        const int code = keyCodeOf(scancode);
        EXPECT_NE(code, 0) << SDL_GetScancodeName(scancode);
        ++seen[code];
    }
    // Only the ISO key beside Enter shares its code, with the ANSI backslash.
    EXPECT_EQ(seen.size(), 105u);
    EXPECT_EQ(seen[platform::DIK_BACKSLASH], 2);
}

TEST(ScancodeTableTest, EachCodeComesFromOneKeyButTheIsoHash) {
    std::map<int, int> uses;
    for (const platform::ScancodeMapping& key : platform::scancodeTable()) {
        EXPECT_NE(key.keyCode, 0) << SDL_GetScancodeName(key.scancode);
        if (key.scancode != SDL_SCANCODE_NONUSHASH) {
            EXPECT_EQ(++uses[key.keyCode], 1) << SDL_GetScancodeName(key.scancode);
        }
    }
}

TEST(ScancodeTableTest, ExtendedKeysCarryTheHighBit) {
    EXPECT_EQ(keyCodeOf(SDL_SCANCODE_RCTRL), 0x9D);
    EXPECT_EQ(keyCodeOf(SDL_SCANCODE_RALT), 0xB8);
    EXPECT_EQ(keyCodeOf(SDL_SCANCODE_KP_ENTER), 0x9C);
    EXPECT_EQ(keyCodeOf(SDL_SCANCODE_KP_DIVIDE), 0xB5);
    EXPECT_EQ(keyCodeOf(SDL_SCANCODE_UP), 0xC8);
    EXPECT_EQ(keyCodeOf(SDL_SCANCODE_PRINTSCREEN), 0xB7);
    EXPECT_EQ(keyCodeOf(SDL_SCANCODE_PAUSE), 0xC5);
    // Their unextended twins.
    EXPECT_EQ(keyCodeOf(SDL_SCANCODE_LCTRL), 0x1D);
    EXPECT_EQ(keyCodeOf(SDL_SCANCODE_RETURN), 0x1C);
    EXPECT_EQ(keyCodeOf(SDL_SCANCODE_KP_8), 0x48);
    EXPECT_EQ(keyCodeOf(SDL_SCANCODE_NONUSBACKSLASH), 0x56);
    EXPECT_EQ(keyCodeOf(SDL_SCANCODE_F11), 0x57);
}

TEST(MouseButtonsTest, SnapshotOrderIsLeftRightMiddleSide) {
    using Buttons = std::array<bool, 4>;
    EXPECT_EQ(platform::mouseButtons(SDL_BUTTON_LMASK), (Buttons{true, false, false, false}));
    EXPECT_EQ(platform::mouseButtons(SDL_BUTTON_RMASK), (Buttons{false, true, false, false}));
    EXPECT_EQ(platform::mouseButtons(SDL_BUTTON_MMASK), (Buttons{false, false, true, false}));
    EXPECT_EQ(platform::mouseButtons(SDL_BUTTON_X1MASK), (Buttons{false, false, false, true}));
    EXPECT_EQ(platform::mouseButtons(SDL_BUTTON_X2MASK), (Buttons{}));
}
