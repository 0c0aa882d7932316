#pragma once

#include <filesystem>
#include <optional>

// An installed game keeps its bitmaps and default controls file in share/corvanes beside its
// bin folder, and plays in a folder of the player's own (the XDG data home), where its
// controls file, log and screenshots live. From the build tree it plays where it is started.
// On Windows (PlayerFolderWindows.cpp) the game is one folder, which plays where it is started
// when it can, else in the player's own folder under LOCALAPPDATA.
namespace playerfolder {

// True when the folder holds any of the game's bitmaps.
bool holdsBitmaps(const std::filesystem::path& folder);

// share/corvanes beside the folder of the program, when it holds the game's files. On
// Windows: the program's own folder when it holds them and the working folder is no place to
// play (it lacks the bitmaps or cannot be written).
std::optional<std::filesystem::path> installedData(const std::filesystem::path& program);

// $XDG_DATA_HOME/corvanes, or ~/.local/share/corvanes; nothing without either variable. On
// Windows: %LOCALAPPDATA%\Corvanes.
std::optional<std::filesystem::path> home();
// The variables home() reads, for the message when it cannot be made.
extern const char* const homeSource;

// Makes the folder ready and goes there: created when missing, given the default controls file
// unless the player has one, and links to every bitmap of `data` (the player's own files of
// those names are left alone). On Windows, where a user cannot make links, copies of the
// bitmaps, renewed whenever they differ from the program's. False when the folder cannot be
// made or entered.
bool enter(const std::filesystem::path& data, const std::filesystem::path& folder);

}  // namespace playerfolder
