#pragma once

#include <memory>
#include <string>

#include "platform/video/Bitmap.h"

// Reads and decodes a bitmap file, the name taken relative to the working directory. Null when
// the file is missing, unreadable or not a bitmap we can decode. When `width` or `height` is
// not 0 the bitmap is resampled to that size.
std::unique_ptr<platform::Bitmap> loadBitmapFile(const std::string& name, int width, int height);
