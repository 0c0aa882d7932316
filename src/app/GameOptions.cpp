#include "app/GameOptions.h"

const char* const gameUsage =
    "usage: corvanes [--record FILE | --playback FILE] [--trace FILE]\n"
    "Plays Corvanes; Escape quits.\n"
    "  --record FILE    write what the game reads on every pass (and its controls file) to\n"
    "                   FILE, as an input script that replays the session\n"
    "  --playback FILE  play such a script in the window instead of the keyboard, mouse and\n"
    "                   joystick; Escape still quits\n"
    "  --trace FILE     write a JSON line of the game's state after every pass\n"
    "  -h, --help       show this text\n"
    "Example: corvanes --record session.txt\n";

bool parseGameOptions(const std::vector<std::string>& args, GameOptions& options,
                      std::string& error) {
    options = GameOptions{};
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& option = args[i];
        if (option == "--help" || option == "-h") {
            options.help = true;
            continue;
        }
        std::string* value = option == "--record"     ? &options.record
                             : option == "--playback" ? &options.playback
                             : option == "--trace"    ? &options.trace
                                                      : nullptr;
        if (value == nullptr) {
            error = "unknown option \"" + option + "\"";
            return false;
        }
        if (i + 1 >= args.size() || args[i + 1].empty()) {
            error = option + " needs a file";
            return false;
        }
        *value = args[++i];
    }
    if (!options.record.empty() && !options.playback.empty()) {
        error = "--record and --playback do not go together";
        return false;
    }
    return true;
}
