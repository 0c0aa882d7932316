#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Builds RIFF/WAVE files byte by byte for the sound tests.
namespace wav {

using Bytes = std::vector<unsigned char>;

struct Chunk {
    std::string id;
    Bytes body;
    // Written in place of the body's true size when set.
    std::int64_t statedSize = -1;
};

// "RIFF", the file length less 8, "WAVE", then the chunks, each odd one followed by a pad
// byte.
Bytes riff(const std::vector<Chunk>& chunks);
// A 16-byte "fmt " body; the block align and byte rate follow from the rest unless given.
Bytes format(int channels, int bits, int rate, int tag = 1, int blockAlign = -1);
Bytes samples16(const std::vector<std::int16_t>& values);
// A plain PCM file: "fmt " then "data".
Bytes pcm(int channels, int bits, int rate, const Bytes& data);

}  // namespace wav
