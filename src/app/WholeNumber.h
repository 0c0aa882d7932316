#pragma once

#include <charconv>
#include <cstdint>
#include <optional>
#include <string_view>

// A count as the command line and the page's address give it: decimal digits only, nothing
// around them, within 64 bits.
inline std::optional<std::uint64_t> wholeNumber(std::string_view word) {
    std::uint64_t value = 0;
    const char* end = word.data() + word.size();
    const auto [at, failure] = std::from_chars(word.data(), end, value);
    if (failure != std::errc{} || at != end) return std::nullopt;
    return value;
}
