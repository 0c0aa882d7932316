#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

namespace platform {

// Every platform call that can be told to fail. The headless backend injects these faults, and
// the runner's --fail and --list-faults read their names from the one table below. A lost
// surface (another program took the screen) happens only where the screen is a real one: the
// Windows backend's tests inject it.
enum class Fault {
    bitmapLoad,
    displayAttachClipper,
    displayBackBuffer,
    displayClipList,
    displayClipper,
    displayColorKey,
    displayCooperativeLevel,
    displayCreate,
    displayDc,
    displayDisplayMode,
    displayFlip,
    displayLock,
    displayOffscreenSurface,
    displayPrimarySurface,
    displaySurfaceDesc,
    displaySurfaceLost,
    inputCreate,
    inputEnumJoysticks,
    inputJoystick,
    inputJoystickAcquire,
    inputJoystickCooperativeLevel,
    inputJoystickDataFormat,
    inputJoystickDeadZoneX,
    inputJoystickDeadZoneY,
    inputJoystickPoll,
    inputJoystickRangeX,
    inputJoystickRangeY,
    inputJoystickRead,
    inputJoystickUnacquire,
    inputKeyboard,
    inputKeyboardAcquire,
    inputKeyboardCooperativeLevel,
    inputKeyboardDataFormat,
    inputKeyboardRead,
    inputKeyboardUnacquire,
    inputMouse,
    inputMouseAcquire,
    inputMouseCooperativeLevel,
    inputMouseDataFormat,
    inputMouseRead,
    inputMouseUnacquire,
    soundBuffer,
    soundCooperativeLevel,
    soundCreate,
    soundFrequency,
    soundPan,
    soundPlay,
    soundPosition,
    soundVolume,
    windowCreate,
    windowRegister,
    count
};

struct FaultEntry {
    Fault fault;
    std::string_view name;
};

// In the order of the enumeration; the stable names tests and scripts use.
inline constexpr FaultEntry faultTable[] = {
    {Fault::bitmapLoad, "bitmap.load"},
    {Fault::displayAttachClipper, "display.attachClipper"},
    {Fault::displayBackBuffer, "display.backBuffer"},
    {Fault::displayClipList, "display.clipList"},
    {Fault::displayClipper, "display.clipper"},
    {Fault::displayColorKey, "display.colorKey"},
    {Fault::displayCooperativeLevel, "display.cooperativeLevel"},
    {Fault::displayCreate, "display.create"},
    {Fault::displayDc, "display.dc"},
    {Fault::displayDisplayMode, "display.displayMode"},
    {Fault::displayFlip, "display.flip"},
    {Fault::displayLock, "display.lock"},
    {Fault::displayOffscreenSurface, "display.offscreenSurface"},
    {Fault::displayPrimarySurface, "display.primarySurface"},
    {Fault::displaySurfaceDesc, "display.surfaceDesc"},
    {Fault::displaySurfaceLost, "display.surfaceLost"},
    {Fault::inputCreate, "input.create"},
    {Fault::inputEnumJoysticks, "input.enumJoysticks"},
    {Fault::inputJoystick, "input.joystick"},
    {Fault::inputJoystickAcquire, "input.joystickAcquire"},
    {Fault::inputJoystickCooperativeLevel, "input.joystickCooperativeLevel"},
    {Fault::inputJoystickDataFormat, "input.joystickDataFormat"},
    {Fault::inputJoystickDeadZoneX, "input.joystickDeadZoneX"},
    {Fault::inputJoystickDeadZoneY, "input.joystickDeadZoneY"},
    {Fault::inputJoystickPoll, "input.joystickPoll"},
    {Fault::inputJoystickRangeX, "input.joystickRangeX"},
    {Fault::inputJoystickRangeY, "input.joystickRangeY"},
    {Fault::inputJoystickRead, "input.joystickRead"},
    {Fault::inputJoystickUnacquire, "input.joystickUnacquire"},
    {Fault::inputKeyboard, "input.keyboard"},
    {Fault::inputKeyboardAcquire, "input.keyboardAcquire"},
    {Fault::inputKeyboardCooperativeLevel, "input.keyboardCooperativeLevel"},
    {Fault::inputKeyboardDataFormat, "input.keyboardDataFormat"},
    {Fault::inputKeyboardRead, "input.keyboardRead"},
    {Fault::inputKeyboardUnacquire, "input.keyboardUnacquire"},
    {Fault::inputMouse, "input.mouse"},
    {Fault::inputMouseAcquire, "input.mouseAcquire"},
    {Fault::inputMouseCooperativeLevel, "input.mouseCooperativeLevel"},
    {Fault::inputMouseDataFormat, "input.mouseDataFormat"},
    {Fault::inputMouseRead, "input.mouseRead"},
    {Fault::inputMouseUnacquire, "input.mouseUnacquire"},
    {Fault::soundBuffer, "sound.buffer"},
    {Fault::soundCooperativeLevel, "sound.cooperativeLevel"},
    {Fault::soundCreate, "sound.create"},
    {Fault::soundFrequency, "sound.frequency"},
    {Fault::soundPan, "sound.pan"},
    {Fault::soundPlay, "sound.play"},
    {Fault::soundPosition, "sound.position"},
    {Fault::soundVolume, "sound.volume"},
    {Fault::windowCreate, "window.create"},
    {Fault::windowRegister, "window.register"},
};

constexpr bool faultTableInOrder() {
    if (std::size(faultTable) != static_cast<std::size_t>(Fault::count)) return false;
    for (std::size_t i = 0; i < std::size(faultTable); ++i) {
        if (faultTable[i].fault != static_cast<Fault>(i)) return false;
    }
    return true;
}
static_assert(faultTableInOrder(), "every fault has its entry, in order");

constexpr std::string_view faultName(Fault fault) {
    return faultTable[static_cast<std::size_t>(fault)].name;
}

// The fault of that name, if there is one.
std::optional<Fault> findFault(std::string_view name);

}  // namespace platform
