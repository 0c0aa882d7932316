#pragma once

#include <cstdint>
#include <filesystem>
#include <vector>

namespace platform {

// The screenshots' PNG encoder on Windows: the system's own image codecs (WIC). Encodes in
// memory first, so that a file is made only whole and never over an existing one.
bool writePngWic(const std::filesystem::path& file, const std::vector<std::uint8_t>& rgb, int width,
                 int height);

}  // namespace platform
