#include "app/GameOptions.h"

bool parseGameOptions(const std::vector<std::string>& args, GameOptions& options,
                      std::string& error) {
    options = GameOptions{};
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& option = args[i];
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
