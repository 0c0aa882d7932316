#include "platform/video/Clipper.h"

#include "platform/Backend.h"

namespace platform {

bool Clipper::setClipList(const Rect* rects, int count) {
    if (backend().faultInjected(Fault::displayClipList)) return false;
    if (rects == nullptr || count != 1) return false;
    rect = rects[0];
    hasList = true;
    return true;
}

}  // namespace platform
