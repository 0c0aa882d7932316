#include "app/WinMain.h"
#include "platform/sdl/SdlBackend.h"

int main(int, char** argv) {
    platform::SdlBackend backend;
    platform::setBackend(&backend);
    const int status = winMain(platform::Instance{argv[0]}, 1);
    platform::setBackend(nullptr);
    return status;
}
