#include "platform/win32/WicPng.h"

#include <windows.h>
// After windows.h, which it needs.
#include <wincodec.h>

namespace platform {

namespace {

template <class T>
struct Held {
    T* object = nullptr;
    ~Held() {
        if (object != nullptr) object->Release();
    }
    T** out() { return &object; }
    T* operator->() const { return object; }
};

// The PNG file's bytes in `stream`.
bool encode(IStream* stream, const std::vector<std::uint8_t>& rgb, int width, int height) {
    // WIC's 24-bit frames are blue, green, red.
    std::vector<std::uint8_t> bgr(rgb.size());
    for (std::size_t i = 0; i + 2 < rgb.size(); i += 3) {
        bgr[i] = rgb[i + 2];
        bgr[i + 1] = rgb[i + 1];
        bgr[i + 2] = rgb[i];
    }
    Held<IWICImagingFactory> factory;
    Held<IWICBitmapEncoder> encoder;
    Held<IWICBitmapFrameEncode> frame;
    WICPixelFormatGUID format = GUID_WICPixelFormat24bppBGR;
    const UINT stride = static_cast<UINT>(width) * 3;
    return SUCCEEDED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                                      IID_IWICImagingFactory,
                                      reinterpret_cast<void**>(factory.out()))) &&
           SUCCEEDED(factory->CreateEncoder(GUID_ContainerFormatPng, nullptr, encoder.out())) &&
           SUCCEEDED(encoder->Initialize(stream, WICBitmapEncoderNoCache)) &&
           SUCCEEDED(encoder->CreateNewFrame(frame.out(), nullptr)) &&
           SUCCEEDED(frame->Initialize(nullptr)) &&
           SUCCEEDED(frame->SetSize(static_cast<UINT>(width), static_cast<UINT>(height))) &&
           SUCCEEDED(frame->SetPixelFormat(&format)) && format == GUID_WICPixelFormat24bppBGR &&
           SUCCEEDED(frame->WritePixels(static_cast<UINT>(height), stride,
                                        static_cast<UINT>(bgr.size()), bgr.data())) &&
           SUCCEEDED(frame->Commit()) && SUCCEEDED(encoder->Commit());
}

bool writeNew(const std::filesystem::path& file, IStream* stream) {
    HGLOBAL memory = nullptr;
    STATSTG stat{};
    if (FAILED(GetHGlobalFromStream(stream, &memory)) ||
        FAILED(stream->Stat(&stat, STATFLAG_NONAME))) {
        return false;
    }
    const DWORD bytes = static_cast<DWORD>(stat.cbSize.QuadPart);
    const HANDLE out = CreateFileW(file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                   FILE_ATTRIBUTE_NORMAL, nullptr);
    if (out == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    const void* data = GlobalLock(memory);
    const bool whole =
        data != nullptr && WriteFile(out, data, bytes, &written, nullptr) && written == bytes;
    GlobalUnlock(memory);
    const bool closed = CloseHandle(out) != 0;
    if (!whole) DeleteFileW(file.c_str());
    return whole && closed;
}

}  // namespace

bool writePngWic(const std::filesystem::path& file, const std::vector<std::uint8_t>& rgb, int width,
                 int height) {
    // Called on the screenshot thread, which COM must know.
    const HRESULT com = CoInitializeEx(nullptr, COINIT_MULTITHREADED);
    bool written = false;
    {
        Held<IStream> stream;
        written = SUCCEEDED(CreateStreamOnHGlobal(nullptr, TRUE, stream.out())) &&
                  encode(stream.object, rgb, width, height) && writeNew(file, stream.object);
    }
    if (SUCCEEDED(com)) CoUninitialize();
    return written;
}

}  // namespace platform
