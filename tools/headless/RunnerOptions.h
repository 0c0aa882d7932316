#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/Faults.h"

// corvanes-headless --frames N [--dir DIR] [--input FILE] [--trace FILE] [--shot F:FILE]...
//                   [--fail NAME[:K]]... [--list-faults]
namespace runner {

struct Shot {
    std::uint64_t pass = 0;
    std::string file;
};

struct FaultRequest {
    platform::Fault fault = platform::Fault::count;
    // The one call (from 1) that fails; none: every call.
    std::optional<int> call;
};

struct RunnerOptions {
    std::uint64_t frames = 0;
    std::string dir;
    std::string input;
    std::string trace;
    std::vector<Shot> shots;
    std::vector<FaultRequest> faults;
    bool listFaults = false;
    bool help = false;
};

// What --help prints.
extern const char* const runnerUsage;

// Reads the arguments after the program's name. On a bad one answers false with a message that
// names it.
bool parseRunnerOptions(const std::vector<std::string>& args, RunnerOptions& options,
                        std::string& error);

}  // namespace runner
