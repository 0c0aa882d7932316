#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

#include "platform/video/Bitmap.h"

// Decodes a Windows .bmp file held in memory. Every size, offset and count is checked against
// the data; a file whose pixels cannot be decoded faithfully gives false and leaves `out`
// empty.
bool decodeBmp(std::span<const std::uint8_t> file, platform::Bitmap& out);
