#pragma once

#include <cstdint>
#include <optional>
#include <string>

// What the page's address asks for: index.html?input=NAME&frames=N&trace=1&fast=1, with the
// meaning of corvanes-headless --input NAME --frames N (--trace). Without `input` the page plays
// live, and `frames` then stops it after that many passes. `stats=1` keeps the time each pass
// and its picture took.
struct WebOptions {
    std::string input;
    std::optional<std::uint64_t> frames;
    bool trace = false;
    bool fast = false;
    bool stats = false;
};

// Reads the address's query ("?a=b&c=d", the "?" optional). On a bad value answers false with
// one line that names it.
bool parseWebOptions(const std::string& query, WebOptions& options, std::string& error);
