#pragma once

#include <cstdint>
#include <filesystem>
#include <span>
#include <vector>

#include "platform/video/Bitmap.h"

namespace bmpwriter {

// A bitmap as a Windows .bmp file: 24 bits a pixel, uncompressed, bottom-up rows padded to four
// bytes, a 40-byte info header. The same bitmap always gives the same bytes.
std::vector<std::uint8_t> encodeBmp(const platform::Bitmap& bitmap);

// Writes the bytes to the file, replacing it; false when the file cannot be written.
bool writeFile(const std::filesystem::path& path, std::span<const std::uint8_t> bytes);

}  // namespace bmpwriter
