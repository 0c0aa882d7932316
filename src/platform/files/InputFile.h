#pragma once

#include <cstddef>
#include <fstream>
#include <optional>
#include <string>

namespace platform {

// A file the game reads by name, in chunks. Only a plain file is opened: a pipe would wait for
// a writer, a device might never end, and a folder cannot be read. An installed file tap may
// stand in for the file, and is told what was read when the file is closed.
class InputFile {
public:
    explicit InputFile(std::string name);
    ~InputFile();
    InputFile(const InputFile&) = delete;
    InputFile& operator=(const InputFile&) = delete;

    bool isOpen() const { return open; }
    // Up to `size` bytes into `buffer`; 0 at the end of the file or when it cannot be read.
    std::size_t read(char* buffer, std::size_t size);

private:
    std::string name;
    std::ifstream file;
    bool open = false;
    // The tap's bytes, when it stands in for the file, and how far they have been read.
    std::optional<std::string> standIn;
    std::size_t offset = 0;
    // What has been read, kept only while a tap listens.
    std::string taken;
};

}  // namespace platform
