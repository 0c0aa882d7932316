#include "graphics/Image.h"

#include <utility>

Image::Image(std::unique_ptr<platform::Surface> surface, int width, int height)
    : graphic(std::move(surface)), bounds{0, 0, width, height} {}

Image::~Image() {
    graphic.reset();
}

void Image::setRect(int left, int top, int right, int bottom) {
    platform::setRect(bounds, left, top, right, bottom);
}
