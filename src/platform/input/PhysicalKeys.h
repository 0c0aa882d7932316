#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace platform {

// One physical key: its USB usage (which SDL's scancodes use as they are), the key code the
// keyboard snapshot uses for it, and the name a browser gives it in KeyboardEvent.code (empty
// where browsers give the key no name of its own).
struct PhysicalKey {
    std::uint16_t usage;
    std::uint8_t keyCode;
    std::string_view webCode;
};

// Every key of a 105-key keyboard (and the ANSI backslash key), then the extra keys some
// keyboards have. Keys not listed are ignored, by every backend alike.
std::span<const PhysicalKey> physicalKeys();

// The key code of a browser's key name; nothing for a key the game does not know.
std::optional<std::uint8_t> keyCodeOfWebCode(std::string_view code);

}  // namespace platform
