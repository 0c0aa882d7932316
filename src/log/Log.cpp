#include "log/Log.h"

#include <ostream>

std::ofstream logFile("log.txt", std::ios::out | std::ios::trunc);

void logLine(std::string_view text) {
    logFile << text << std::endl;
}
