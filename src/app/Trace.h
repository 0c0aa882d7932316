#pragma once

#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>

class Game;

namespace session {

// One pass of the game as a line of JSON: the modes, the mouse, the camera, the craft and every
// member of the battle's lists, in list order.
void appendTraceLine(std::string& out, std::uint64_t pass, std::uint32_t tick, const Game& game);

// A trace file, a line a pass.
class TraceFile {
public:
    // Null, with nothing written, when the file cannot be made.
    static std::unique_ptr<TraceFile> create(const std::string& file);
    ~TraceFile();

    void write(std::uint64_t pass, std::uint32_t tick, const Game& game);
    // False when some of it could not be written.
    bool close();

private:
    explicit TraceFile(std::FILE* out) : out(out) {}

    std::FILE* out;
    std::string line;
};

}  // namespace session
