#pragma once

#include <cstdint>

#include "platform/Faults.h"
#include "platform/window/WindowTypes.h"

namespace platform {

class InputHardware;

// The snapshot layouts a device can be told to deliver.
enum class DataFormat { keyboard, mouse, joystick };

// How a device is shared with other programs, with the old flag values.
namespace cooperation {
constexpr std::uint32_t nonExclusive = 2;
constexpr std::uint32_t background = 8;
}  // namespace cooperation

// What the keyboard, mouse and joystick devices have in common: they are told how they are
// shared and which layout they deliver, and they deliver only while acquired.
class InputDevice {
public:
    virtual ~InputDevice() = default;
    InputDevice(const InputDevice&) = delete;
    InputDevice& operator=(const InputDevice&) = delete;

    // Only shared access that goes on in the background is offered, for a window that exists.
    bool setCooperativeLevel(WindowHandle window, std::uint32_t level);
    // A device takes only its own layout.
    bool setDataFormat(DataFormat format);
    // Needs a data format; acquiring twice is harmless.
    bool acquire();
    // Unacquiring a device that is not acquired does nothing and succeeds.
    bool unacquire();
    bool acquired() const { return isAcquired; }

protected:
    // The faults under which the calls can be made to fail.
    struct FaultNames {
        Fault cooperativeLevel;
        Fault dataFormat;
        Fault acquire;
        Fault unacquire;
    };

    InputDevice(DataFormat format, const FaultNames& faults);
    static InputHardware& hardware();

    // The device starts and stops delivering.
    virtual void start() {}
    virtual void stop() {}

private:
    DataFormat ownFormat;
    FaultNames faultNames;
    bool formatSet = false;
    bool isAcquired = false;
};

}  // namespace platform
