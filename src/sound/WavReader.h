#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "platform/audio/WaveFormat.h"

// Our own RIFF/WAVE reader. The whole file is read into memory and its chunk list walked
// once: chunks may come in any order, odd-sized chunks are followed by a pad byte, unknown
// chunks are skipped, and the first "fmt " and the first "data" are kept wherever they are.
// The RIFF size and the average byte rate are not trusted; every chunk must lie inside the
// file.
class WavReader {
public:
    // False when the file cannot be read, is too big for any sound buffer, is not a RIFF file
    // of form "WAVE", or has a chunk whose header or body runs past its end.
    bool open(const std::string& fileName);
    // The same for a file already in memory.
    bool open(std::span<const std::uint8_t> bytes);

    // The format of the "fmt " chunk; false when there is none or it is shorter than 16 bytes.
    bool readFormat(platform::WaveFormat& format) const;
    // The samples of the "data" chunk, cut to whole blocks of `format`; false when there is
    // no "data" chunk.
    bool findData(const platform::WaveFormat& format, std::span<const std::uint8_t>& samples) const;

private:
    struct Chunk {
        bool found = false;
        std::size_t offset = 0;
        std::uint32_t size = 0;
    };

    bool walkChunks();

    std::vector<std::uint8_t> file;
    Chunk formatChunk;
    Chunk dataChunk;
};
