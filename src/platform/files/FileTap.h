#pragma once

#include <optional>
#include <string>

namespace platform {

// Stands between the game and the files it reads by name, for a session: a recording sees what
// each read took, a replay hands the game the bytes that were recorded instead of the folder's
// file. None is installed in an ordinary game.
class FileTap {
public:
    FileTap() = default;
    FileTap(const FileTap&) = delete;
    FileTap& operator=(const FileTap&) = delete;
    virtual ~FileTap() = default;

    // As the game opens `name`: true when the tap stands in for the file; `bytes` then holds
    // its content, or nothing for a file that cannot be opened.
    virtual bool standIn(const std::string& name, std::optional<std::string>& bytes) = 0;
    // Once the game is done with `name`: the bytes it read, or nothing when it could not open it.
    virtual void fileRead(const std::string& name, const std::optional<std::string>& bytes) = 0;
};

// The installed tap, or null. The caller keeps ownership.
FileTap* fileTap();
void setFileTap(FileTap* tap);

}  // namespace platform
