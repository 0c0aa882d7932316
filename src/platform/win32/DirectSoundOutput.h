#pragma once

#include <windows.h>
// After windows.h, which it needs.
#include <dsound.h>

#include <cstdint>
#include <thread>

namespace platform {

class Mixer;

// The sound card through DirectSound: one looping buffer that a thread of ours keeps filled a
// little ahead of where the card plays, from the mixer.
class DirectSoundOutput {
public:
    DirectSoundOutput() = default;
    ~DirectSoundOutput();
    DirectSoundOutput(const DirectSoundOutput&) = delete;
    DirectSoundOutput& operator=(const DirectSoundOutput&) = delete;

    // False when there is no sound card (or it cannot play 16-bit stereo at the mixer's rate).
    bool open(Mixer& mixer, HWND window);
    // Stops the thread; the mixer is no longer touched afterwards.
    void close();

private:
    void feed();
    void fill(std::uint32_t from, std::uint32_t bytes);

    IDirectSound8* device = nullptr;
    IDirectSoundBuffer* buffer = nullptr;
    Mixer* mixer = nullptr;
    HANDLE stop = nullptr;
    std::thread feeder;
    std::uint32_t size = 0;
    std::uint32_t ahead = 0;
};

}  // namespace platform
