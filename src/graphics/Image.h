#pragma once

#include <memory>

#include "platform/Rect.h"
#include "platform/video/Surface.h"

// One loaded bitmap in a surface, plus the bounds that the next draw copies. Owners of sprite
// sheets move the bounds onto the frame they want before each draw.
class Image {
public:
    Image(std::unique_ptr<platform::Surface> graphic, int width, int height);
    ~Image();
    Image(const Image&) = delete;
    Image& operator=(const Image&) = delete;

    platform::Surface* getGraphic() const { return graphic.get(); }
    platform::Rect getBounds() const { return bounds; }
    void setBounds(const platform::Rect& newBounds) { bounds = newBounds; }
    void setRect(int left, int top, int right, int bottom);
    // Measured on the bounds, not on the surface.
    int getWidth() const { return bounds.right - bounds.left; }
    int getHeight() const { return bounds.bottom - bounds.top; }

private:
    std::unique_ptr<platform::Surface> graphic;
    platform::Rect bounds;
};
