#include "platform/input/InputDevice.h"

#include <algorithm>

#include "platform/Backend.h"

namespace platform {

InputDevice::InputDevice(DataFormat format, const FaultNames& faults)
    : ownFormat(format), faultNames(faults) {}

InputHardware& InputDevice::hardware() {
    return backend().inputHardware();
}

bool InputDevice::setCooperativeLevel(WindowHandle window, std::uint32_t level) {
    Backend& b = backend();
    if (b.faultInjected(faultNames.cooperativeLevel)) return false;
    if (isAcquired || level != (cooperation::nonExclusive | cooperation::background)) return false;
    return std::any_of(b.windows.begin(), b.windows.end(),
                       [&](const Backend::WindowRecord& r) { return r.handle == window; });
}

bool InputDevice::setDataFormat(DataFormat format) {
    if (backend().faultInjected(faultNames.dataFormat)) return false;
    if (isAcquired || format != ownFormat) return false;
    formatSet = true;
    return true;
}

bool InputDevice::acquire() {
    if (backend().faultInjected(faultNames.acquire)) return false;
    if (isAcquired) return true;
    if (!formatSet) return false;
    start();
    isAcquired = true;
    return true;
}

bool InputDevice::unacquire() {
    if (backend().faultInjected(faultNames.unacquire)) return false;
    if (isAcquired) stop();
    isAcquired = false;
    return true;
}

}  // namespace platform
