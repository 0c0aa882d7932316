#include "RunnerOptions.h"

#include <limits>

#include "app/WholeNumber.h"

namespace runner {

const char* const runnerUsage =
    "usage: corvanes-headless --frames N [--dir DIR] [--input FILE] [--trace FILE]\n"
    "                         [--shot PASS:FILE]... [--fail NAME[:K]]... [--list-faults]\n"
    "Runs the game without a window on a virtual clock: a pass is 16 ms of game time, so 3750\n"
    "passes are a minute.\n"
    "  --frames N        run N passes (0 or more), then shut down as after Escape\n"
    "  --dir DIR         play in DIR, which should hold the game's bitmaps and controls.cfg;\n"
    "                    log.txt is written there (default: as the game finds its folder)\n"
    "  --input FILE      play an input script or a recording instead of idle devices\n"
    "  --trace FILE      write a JSON line of the game's state after every pass\n"
    "  --shot PASS:FILE  write the picture after pass PASS (below N) as a .bmp\n"
    "  --fail NAME[:K]   make a platform call fail, every time or only its K-th call\n"
    "  --list-faults     print the names --fail takes\n"
    "  -h, --help        show this text\n"
    "Example: corvanes-headless --frames 3750 --dir build/game --input session.txt --trace "
    "t.jsonl\n";

bool parseRunnerOptions(const std::vector<std::string>& args, RunnerOptions& options,
                        std::string& error) {
    options = RunnerOptions{};
    bool framesGiven = false;
    const auto fail = [&](const std::string& what) {
        error = what;
        return false;
    };
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& option = args[i];
        if (option == "--help" || option == "-h") {
            options.help = true;
            continue;
        }
        if (option == "--list-faults") {
            options.listFaults = true;
            continue;
        }
        const bool takesValue = option == "--frames" || option == "--dir" || option == "--input" ||
                                option == "--trace" || option == "--shot" || option == "--fail";
        if (!takesValue) return fail("unknown option \"" + option + "\"");
        if (i + 1 >= args.size()) return fail(option + " needs a value");
        const std::string& value = args[++i];
        if (option == "--frames") {
            const std::optional<std::uint64_t> n = wholeNumber(value);
            if (!n)
                return fail("--frames takes a number of passes, 0 or more, not \"" + value + "\"");
            options.frames = *n;
            framesGiven = true;
        } else if (option == "--dir" || option == "--input" || option == "--trace") {
            if (value.empty()) return fail(option + " needs a value");
            (option == "--dir"     ? options.dir
             : option == "--input" ? options.input
                                   : options.trace) = value;
        } else if (option == "--shot") {
            const std::size_t colon = value.find(':');
            const std::optional<std::uint64_t> pass =
                colon == std::string::npos ? std::nullopt : wholeNumber(value.substr(0, colon));
            if (!pass || colon + 1 >= value.size()) {
                return fail("--shot takes PASS:FILE, not \"" + value + "\"");
            }
            options.shots.push_back({*pass, value.substr(colon + 1)});
        } else {
            const std::size_t colon = value.find(':');
            const std::optional<platform::Fault> fault =
                platform::findFault(value.substr(0, colon));
            if (!fault)
                return fail("--fail: no platform call is named \"" + value.substr(0, colon) +
                            "\" (see --list-faults)");
            FaultRequest request{*fault, std::nullopt};
            if (colon != std::string::npos) {
                const std::optional<std::uint64_t> call = wholeNumber(value.substr(colon + 1));
                if (!call || *call < 1 ||
                    *call > static_cast<std::uint64_t>(std::numeric_limits<int>::max())) {
                    return fail("--fail takes NAME or NAME:K with K from 1, not \"" + value + "\"");
                }
                request.call = static_cast<int>(*call);
            }
            options.faults.push_back(request);
        }
    }
    if (!framesGiven && !options.listFaults && !options.help) return fail("--frames N is needed");
    return true;
}

}  // namespace runner
