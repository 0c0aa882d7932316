#include <string>
#include <vector>

#include "app/GameMain.h"
#include "platform/sdl/SdlBackend.h"

// The log opens once the game stands in the folder it plays in.
const char* logFileAtStart() {
    return nullptr;
}

int main(int argc, char** argv) {
    return gameMain<platform::SdlBackend>(std::vector<std::string>(argv + 1, argv + argc),
                                          platform::Instance{argv[0]});
}
