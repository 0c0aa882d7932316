#pragma once

#include <cstdint>
#include <string>

class Game;

namespace runner {

// One pass of the game as a line of JSON: the modes, the mouse, the camera, the craft and every
// member of the battle's lists, in list order.
void appendTraceLine(std::string& out, std::uint64_t pass, std::uint32_t tick, const Game& game);

}  // namespace runner
