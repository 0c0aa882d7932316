#pragma once

#include <cstddef>
#include <cstdint>

namespace platform {

// 5-6-5 pixels as 8-bit components, each field widened by repeating its top bits (31 becomes
// 255, 63 becomes 255), packed as 0xAARRGGBB with the given alpha byte on top.
void widen565(const std::uint16_t* from, std::uint32_t* to, std::size_t count,
              std::uint8_t alpha = 0xFF);

}  // namespace platform
