#pragma once

#include <string>
#include <vector>

// corvanes [--record FILE | --playback FILE] [--trace FILE]
//   --record FILE    writes what the game reads on every pass, as an input script
//   --playback FILE  plays such a script in the window instead of the devices; Escape still
//                    quits
//   --trace FILE     a JSON line of the game's state after every pass
struct GameOptions {
    bool help = false;
    std::string record;
    std::string playback;
    std::string trace;
};

// What --help prints.
extern const char* const gameUsage;

// Reads the arguments after the program's name; on a bad one answers false with a message
// that names it.
bool parseGameOptions(const std::vector<std::string>& args, GameOptions& options,
                      std::string& error);
