#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "platform/video/Bitmap.h"
#include "platform/video/Display.h"
#include "platform/video/PixelFormat.h"
#include "platform/video/Surface.h"

// The four helpers beneath image loading: a bitmap file into a new surface, a bitmap copied
// onto a surface, and a colour key set from an 8-bit colour by asking the surface which pixel
// value that colour becomes.

// Loads the bitmap into a new off-screen surface of its size; null on failure. `dx` and `dy`
// ask the loader for another size; 0 keeps the file's own.
std::unique_ptr<platform::Surface> DDLoadBitmap(platform::Display* dd, const std::string& name,
                                                int dx, int dy);

// Copies the part (x, y, dx, dy) of the bitmap (0 meaning its full width or height) onto the
// whole surface, stretching if the sizes differ. True when the copy ran.
bool DDCopyBitmap(platform::Surface* surface, const platform::Bitmap* bitmap, int x, int y, int dx,
                  int dy);

// Sets the surface's source key to the pixel value of `colour` at both ends of the range.
bool DDSetColorKey(platform::Surface* surface, platform::ColorRef colour);

// The raw pixel value the surface uses for `colour`, or colorInvalid when the surface cannot be
// locked.
std::uint32_t DDColorMatch(platform::Surface* surface, platform::ColorRef colour);
