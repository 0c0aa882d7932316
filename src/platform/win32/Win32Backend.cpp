#include "platform/win32/Win32Backend.h"

#include <atomic>

#include "platform/video/Surface.h"
#include "platform/win32/WicPng.h"

namespace platform {

namespace {

std::atomic<int> consoleInterrupts{0};

BOOL WINAPI onConsoleControl(DWORD event) {
    if (event != CTRL_C_EVENT && event != CTRL_BREAK_EVENT) return FALSE;
    ++consoleInterrupts;
    return TRUE;
}

std::wstring wide(const std::string& text) {
    std::wstring out(text.size(), L'\0');
    const int length = MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()),
                                           out.data(), static_cast<int>(out.size()));
    out.resize(static_cast<std::size_t>(length > 0 ? length : 0));
    return out;
}

RECT monitorOf(HWND window, bool workArea) {
    MONITORINFO info{};
    info.cbSize = sizeof info;
    const HMONITOR monitor = window != nullptr
                                 ? MonitorFromWindow(window, MONITOR_DEFAULTTOPRIMARY)
                                 : MonitorFromPoint(POINT{0, 0}, MONITOR_DEFAULTTOPRIMARY);
    GetMonitorInfoW(monitor, &info);
    return workArea ? info.rcWork : info.rcMonitor;
}

constexpr DWORD fullScreenStyle = WS_POPUP;
constexpr DWORD windowStyle = WS_OVERLAPPEDWINDOW;

}  // namespace

Win32Backend::Win32Backend() {
    // The whole screen in its real pixels, not a smaller one the system scales up.
    SetProcessDPIAware();
    QueryPerformanceFrequency(&counterRate);
    // The frame wait sleeps to the millisecond.
    timeBeginPeriod(1);
    SetConsoleCtrlHandler(onConsoleControl, TRUE);
}

Win32Backend::~Win32Backend() {
    closeAudio();
    closeDisplay();
    input.setWindow(nullptr);
    if (window != nullptr) DestroyWindow(window);
    if (!className.empty()) UnregisterClassW(className.c_str(), GetModuleHandleW(nullptr));
    SetConsoleCtrlHandler(onConsoleControl, FALSE);
    timeEndPeriod(1);
}

void Win32Backend::fail(Fault fault, int times) {
    faults[static_cast<std::size_t>(fault)] = times;
}

bool Win32Backend::faultInjected(Fault fault) {
    int& left = faults[static_cast<std::size_t>(fault)];
    if (left == 0) return false;
    --left;
    return true;
}

std::uint32_t Win32Backend::tickCount() {
    LARGE_INTEGER now{};
    QueryPerformanceCounter(&now);
    const auto rate = static_cast<std::uint64_t>(counterRate.QuadPart);
    const auto ticks = static_cast<std::uint64_t>(now.QuadPart);
    return static_cast<std::uint32_t>(ticks / rate * 1000u + ticks % rate * 1000u / rate);
}

void Win32Backend::idle(std::uint32_t milliseconds) {
    Sleep(milliseconds > 0 ? milliseconds : 1);
}

bool Win32Backend::registerWindowClass(const std::string& name) {
    if (!className.empty()) return false;
    const std::wstring wideName = wide(name);
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.style = CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS | CS_OWNDC;
    windowClass.lpfnWndProc = windowProcedure;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hIcon = LoadIconW(nullptr, IDI_WINLOGO);
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
    windowClass.lpszClassName = wideName.c_str();
    if (RegisterClassExW(&windowClass) == 0) return false;
    className = wideName;
    return true;
}

WindowHandle Win32Backend::createWindow(const std::string& caption, int, int, int, int) {
    if (className.empty() || window != nullptr) return nullptr;
    // The whole monitor from the start; the picture is scaled into it.
    const RECT monitor = monitorOf(nullptr, false);
    window = CreateWindowExW(WS_EX_APPWINDOW, className.c_str(), wide(caption).c_str(),
                             fullScreenStyle, monitor.left, monitor.top,
                             monitor.right - monitor.left, monitor.bottom - monitor.top, nullptr,
                             nullptr, GetModuleHandleW(nullptr), this);
    fullScreen = true;
    input.setWindow(window);
    return reinterpret_cast<WindowHandle>(window);
}

HWND Win32Backend::own(WindowHandle handle) const {
    return handle != nullptr && reinterpret_cast<HWND>(handle) == window ? window : nullptr;
}

void Win32Backend::destroyWindow(WindowHandle handle) {
    const HWND w = own(handle);
    if (w == nullptr) return;
    // The screen and the devices belong to the window; later frames are not shown.
    screen.close();
    input.setWindow(nullptr);
    window = nullptr;
    DestroyWindow(w);
}

void Win32Backend::showWindow(WindowHandle handle, int) {
    if (const HWND w = own(handle)) {
        ShowWindow(w, SW_SHOW);
        SetForegroundWindow(w);
        UpdateWindow(w);
    }
}

LRESULT CALLBACK Win32Backend::windowProcedure(HWND w, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
        SetWindowLongPtrW(w, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* self = reinterpret_cast<Win32Backend*>(GetWindowLongPtrW(w, GWLP_USERDATA));
    if (self == nullptr) return DefWindowProcW(w, message, wParam, lParam);
    const LRESULT handled = self->handle(w, message, wParam, lParam);
    return handled >= 0 ? handled : DefWindowProcW(w, message, wParam, lParam);
}

// Answers -1 for what the system's default handling does.
LRESULT Win32Backend::handle(HWND w, UINT message, WPARAM wParam, LPARAM lParam) {
    const bool repeated = (lParam & (1 << 30)) != 0;
    switch (message) {
        case WM_CLOSE:
            ++closeRequests;
            return 0;
        case WM_KEYDOWN:
            // Remembered until the next Escape test, so that a tap between two tests counts.
            if (wParam == VK_ESCAPE) escapePressed = true;
            if (wParam == VK_F12 && !repeated) screenshotWanted = true;
            return 0;
        case WM_SYSKEYDOWN:
            if (wParam == VK_RETURN && (lParam & (1 << 29)) != 0 && !repeated) ++togglesWanted;
            // Alt+F4 closes as the close button does; F10 and Alt open no menu.
            return wParam == VK_F4 ? -1 : 0;
        case WM_SYSCHAR:
            return 0;
        case WM_SYSCOMMAND:
            // No menu from the keyboard, no screen saver while the game runs.
            switch (wParam & 0xFFF0) {
                case SC_KEYMENU:
                case SC_SCREENSAVE:
                case SC_MONITORPOWER:
                    return 0;
                default:
                    return -1;
            }
        case WM_SETCURSOR:
            if (LOWORD(lParam) != HTCLIENT) return -1;
            SetCursor(cursorShown ? LoadCursorW(nullptr, IDC_ARROW) : nullptr);
            return TRUE;
        case WM_PAINT:
            // The next frame paints the whole window.
            ValidateRect(w, nullptr);
            return 0;
        default:
            return -1;
    }
}

void Win32Backend::pumpMessages() {
    MSG message{};
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            ++closeRequests;
            continue;
        }
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    for (; togglesWanted > 0; --togglesWanted) toggleWindow();
}

void Win32Backend::toggleWindow() {
    if (window == nullptr) return;
    fullScreen = !fullScreen;
    RECT place = monitorOf(window, !fullScreen);
    DWORD style = fullScreenStyle;
    if (!fullScreen) {
        // An 800 x 600 picture in a window centred on the desktop.
        style = windowStyle;
        RECT frame{0, 0, 800, 600};
        AdjustWindowRectEx(&frame, style, FALSE, WS_EX_APPWINDOW);
        const int width = frame.right - frame.left;
        const int height = frame.bottom - frame.top;
        place.left = (place.left + place.right - width) / 2;
        place.top = (place.top + place.bottom - height) / 2;
        place.right = place.left + width;
        place.bottom = place.top + height;
    }
    SetWindowLongPtrW(window, GWL_STYLE, static_cast<LONG_PTR>(style | WS_VISIBLE));
    SetWindowPos(window, HWND_TOP, place.left, place.top, place.right - place.left,
                 place.bottom - place.top, SWP_FRAMECHANGED | SWP_SHOWWINDOW);
}

InputHardware& Win32Backend::inputHardware() {
    if (playing != nullptr) return *playing;
    return input;
}

void Win32Backend::setTap(SessionTap* observer) {
    tap = observer;
    input.setTap(observer);
}

bool Win32Backend::takeCloseRequest() {
    pumpMessages();
    closeRequests += consoleInterrupts.exchange(0);
    if (closeRequests == 0) return false;
    // Several requests at once count as one.
    closeRequests = 0;
    if (tap != nullptr) tap->closeTaken();
    return true;
}

bool Win32Backend::escapeDown() {
    // A session played back ends where its recording did. DIK_ESCAPE is dinput.h's own, the
    // same code as the game's.
    bool down = playing != nullptr && playing->keyDown(DIK_ESCAPE);
    if (window != nullptr) {
        pumpMessages();
        const bool held =
            GetForegroundWindow() == window && (GetAsyncKeyState(VK_ESCAPE) & 0x8000) != 0;
        down = down || escapePressed || held;
        escapePressed = false;
    }
    if (down && tap != nullptr) tap->escapeSeen();
    return down;
}

void Win32Backend::showCursor(bool show) {
    cursorShown = show;
    if (window != nullptr) SetCursor(show ? LoadCursorW(nullptr, IDC_ARROW) : nullptr);
}

void Win32Backend::messageBox(const std::string& text, const std::string& caption) {
    MessageBoxW(window, wide(text).c_str(), wide(caption).c_str(), MB_OK | MB_ICONERROR);
}

bool Win32Backend::openDisplay() {
    return screen.open();
}

void Win32Backend::closeDisplay() {
    screen.close();
}

bool Win32Backend::takeOverScreen(WindowHandle handle) {
    return screen.takeOver(own(handle));
}

bool Win32Backend::setDisplayMode(int width, int height, int bitsPerPixel) {
    return bitsPerPixel == 16 && screen.setMode(width, height);
}

void Win32Backend::present(const Surface& frame) {
    screen.show(frame, faultInjected(Fault::displaySurfaceLost));
    input.setPictureScale(screen.scale());
    if (screenshotWanted) {
        screenshotWanted = false;
        // Beside the log, in the working folder.
        if (!screenshots) {
            screenshots = std::make_unique<ScreenshotWriter>("screenshots", writePngWic);
        }
        screenshots->take(frame.row(0), frame.width(), frame.height(), frame.pitch());
    }
}

bool Win32Backend::openAudio(Mixer& mixer) {
    return sound.open(mixer, window);
}

void Win32Backend::closeAudio() {
    sound.close();
}

}  // namespace platform
