#pragma once

#include <fstream>
#include <string_view>

// The game's log, "log.txt" in the working directory, emptied at every start. Opened before
// main runs and closed after it returns, so that every constructor and destructor can write.
extern std::ofstream logFile;

// The file the log opens before main runs: "log.txt". A program may define its own, answering
// null to open none.
const char* logFileAtStart();

// Writes one line and flushes it, so the line is in the file at once.
void logLine(std::string_view text);
