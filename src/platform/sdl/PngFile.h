#pragma once

#include <cstdint>
#include <filesystem>
#include <vector>

namespace platform {

// The screenshots' PNG encoder on Linux, through libpng.
bool writePng(const std::filesystem::path& file, const std::vector<std::uint8_t>& rgb, int width,
              int height);

}  // namespace platform
