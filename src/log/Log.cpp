#include "log/Log.h"

#include <ostream>

// A program that must first settle in the folder it plays in (the game and the runner) answers
// nothing here and opens the log itself once it is there (docs/QUIRKS.md).
__attribute__((weak)) const char* logFileAtStart() {
    return "log.txt";
}

namespace {

std::ofstream openAtStart() {
    std::ofstream file;
    if (const char* name = logFileAtStart()) file.open(name, std::ios::out | std::ios::trunc);
    return file;
}

}  // namespace

std::ofstream logFile = openAtStart();

void logLine(std::string_view text) {
    logFile << text << std::endl;
}
