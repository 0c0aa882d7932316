#include "platform/win32/DirectSoundOutput.h"

#include <span>

#include "platform/audio/Mixer.h"

namespace platform {

namespace {

constexpr std::uint32_t frameBytes = 4;
// The buffer holds a quarter of a second; the thread keeps about 60 ms of it ahead of the card
// and looks every 5 ms.
constexpr std::uint32_t bufferMilliseconds = 250;
constexpr std::uint32_t aheadMilliseconds = 60;
constexpr DWORD lookMilliseconds = 5;

std::uint32_t bytesFor(int rate, std::uint32_t milliseconds) {
    return static_cast<std::uint32_t>(rate) * milliseconds / 1000 * frameBytes;
}

}  // namespace

DirectSoundOutput::~DirectSoundOutput() {
    close();
}

bool DirectSoundOutput::open(Mixer& source, HWND window) {
    if (device != nullptr) return false;
    if (FAILED(DirectSoundCreate8(nullptr, &device, nullptr))) {
        device = nullptr;
        return false;
    }
    WAVEFORMATEX format{};
    format.wFormatTag = WAVE_FORMAT_PCM;
    format.nChannels = 2;
    format.nSamplesPerSec = static_cast<DWORD>(source.outputRate());
    format.wBitsPerSample = 16;
    format.nBlockAlign = frameBytes;
    format.nAvgBytesPerSec = format.nSamplesPerSec * frameBytes;
    size = bytesFor(source.outputRate(), bufferMilliseconds);
    ahead = bytesFor(source.outputRate(), aheadMilliseconds);
    DSBUFFERDESC desc{};
    desc.dwSize = sizeof desc;
    // Heard also while another window is in front, as on Linux.
    desc.dwFlags = DSBCAPS_GLOBALFOCUS | DSBCAPS_GETCURRENTPOSITION2;
    desc.dwBufferBytes = size;
    desc.lpwfxFormat = &format;
    const HWND owner = window != nullptr ? window : GetDesktopWindow();
    if (FAILED(device->SetCooperativeLevel(owner, DSSCL_PRIORITY)) ||
        FAILED(device->CreateSoundBuffer(&desc, &buffer, nullptr))) {
        close();
        return false;
    }
    mixer = &source;
    fill(0, ahead);
    stop = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    if (stop == nullptr || FAILED(buffer->Play(0, 0, DSBPLAY_LOOPING))) {
        close();
        return false;
    }
    feeder = std::thread([this] { feed(); });
    return true;
}

void DirectSoundOutput::close() {
    if (feeder.joinable()) {
        SetEvent(stop);
        feeder.join();
    }
    if (stop != nullptr) CloseHandle(stop);
    stop = nullptr;
    if (buffer != nullptr) {
        buffer->Stop();
        buffer->Release();
    }
    buffer = nullptr;
    if (device != nullptr) device->Release();
    device = nullptr;
    mixer = nullptr;
}

void DirectSoundOutput::fill(std::uint32_t from, std::uint32_t bytes) {
    void* first = nullptr;
    void* second = nullptr;
    DWORD firstBytes = 0;
    DWORD secondBytes = 0;
    HRESULT locked = buffer->Lock(from, bytes, &first, &firstBytes, &second, &secondBytes, 0);
    if (locked == DSERR_BUFFERLOST && SUCCEEDED(buffer->Restore())) {
        locked = buffer->Lock(from, bytes, &first, &firstBytes, &second, &secondBytes, 0);
    }
    if (FAILED(locked)) return;
    mixer->mix({static_cast<std::int16_t*>(first), firstBytes / 2});
    if (second != nullptr) mixer->mix({static_cast<std::int16_t*>(second), secondBytes / 2});
    buffer->Unlock(first, firstBytes, second, secondBytes);
}

void DirectSoundOutput::feed() {
    std::uint32_t writeAt = ahead;
    while (WaitForSingleObject(stop, lookMilliseconds) == WAIT_TIMEOUT) {
        DWORD playing = 0;
        if (FAILED(buffer->GetCurrentPosition(&playing, nullptr))) continue;
        std::uint32_t queued = (writeAt + size - playing) % size;
        // The card caught up with us (the thread was held up): start again just ahead of it.
        if (queued > ahead) {
            writeAt = playing;
            queued = 0;
        }
        const std::uint32_t wanted = (ahead - queued) / frameBytes * frameBytes;
        if (wanted == 0) continue;
        fill(writeAt, wanted);
        writeAt = (writeAt + wanted) % size;
    }
}

}  // namespace platform
