// corvanes.exe: the game as a windowed Windows program. Started from a console it writes its
// usage and refusals there; started without one (a double-click), they show in a message box.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "app/GameMain.h"
#include "platform/win32/Win32Backend.h"

// The log opens once the game stands in the folder it plays in.
const char* logFileAtStart() {
    return nullptr;
}

namespace {

// A stream given to the program by whatever started it: a file or pipe it was redirected to,
// or the host's own (Wine started from a shell).
bool given(DWORD stream) {
    const HANDLE handle = GetStdHandle(stream);
    return handle != nullptr && handle != INVALID_HANDLE_VALUE &&
           GetFileType(handle) != FILE_TYPE_UNKNOWN;
}

// Where the program's own lines go: the streams it was given, else the console of the program
// that started it, else a message box once it ends.
class Output {
public:
    Output() {
        const bool out = given(STD_OUTPUT_HANDLE);
        const bool err = given(STD_ERROR_HANDLE);
        if (out && err) return;
        if (AttachConsole(ATTACH_PARENT_PROCESS)) {
            if (!out) std::freopen("CONOUT$", "w", stdout);
            if (!err) std::freopen("CONOUT$", "w", stderr);
            return;
        }
        if (!out) keptOut = std::cout.rdbuf(text.rdbuf());
        if (!err) keptErr = std::cerr.rdbuf(text.rdbuf());
    }
    Output(const Output&) = delete;
    Output& operator=(const Output&) = delete;

    void end(int status) {
        if (keptOut != nullptr) std::cout.rdbuf(keptOut);
        if (keptErr != nullptr) std::cerr.rdbuf(keptErr);
        const std::string lines = text.str();
        if (lines.empty()) return;
        MessageBoxA(nullptr, lines.c_str(), "Corvanes",
                    MB_OK | (status == 0 ? MB_ICONINFORMATION : MB_ICONERROR));
    }

private:
    std::ostringstream text;
    std::streambuf* keptOut = nullptr;
    std::streambuf* keptErr = nullptr;
};

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    Output output;
    const int status = gameMain<platform::Win32Backend>(
        std::vector<std::string>(__argv + 1, __argv + __argc), platform::Instance{__argv[0]});
    output.end(status);
    return status;
}
