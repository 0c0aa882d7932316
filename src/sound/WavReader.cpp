#include "sound/WavReader.h"

#include <cstring>
#include <fstream>

namespace {

// A sound buffer holds at most 256 MiB; no file worth reading is much bigger.
constexpr std::streamoff maxFileBytes = 256 * 1024 * 1024 + 4096;
constexpr std::size_t riffHeaderBytes = 12;
constexpr std::size_t chunkHeaderBytes = 8;
constexpr std::uint32_t formatBytesMin = 16;

std::uint16_t u16(const std::uint8_t* p) {
    return static_cast<std::uint16_t>(p[0] | p[1] << 8);
}

std::uint32_t u32(const std::uint8_t* p) {
    return static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8 |
           static_cast<std::uint32_t>(p[2]) << 16 | static_cast<std::uint32_t>(p[3]) << 24;
}

bool isId(const std::uint8_t* p, const char* id) {
    return std::memcmp(p, id, 4) == 0;
}

}  // namespace

bool WavReader::open(const std::string& fileName) {
    file.clear();
    std::ifstream in(fileName, std::ios::binary);
    if (!in) return false;
    in.seekg(0, std::ios::end);
    const std::streamoff size = in.tellg();
    if (size <= 0 || size > maxFileBytes) return false;
    in.seekg(0, std::ios::beg);
    file.resize(static_cast<std::size_t>(size));
    if (!in.read(reinterpret_cast<char*>(file.data()), size)) return false;
    return walkChunks();
}

bool WavReader::open(std::span<const std::uint8_t> bytes) {
    file.clear();
    if (bytes.size() > static_cast<std::size_t>(maxFileBytes)) return false;
    file.assign(bytes.begin(), bytes.end());
    return walkChunks();
}

bool WavReader::walkChunks() {
    formatChunk = Chunk{};
    dataChunk = Chunk{};
    const std::size_t size = file.size();
    const std::uint8_t* p = file.data();
    if (size < riffHeaderBytes || !isId(p, "RIFF") || !isId(p + 8, "WAVE")) return false;
    for (std::size_t at = riffHeaderBytes; at < size;) {
        if (size - at < chunkHeaderBytes) return false;
        const std::uint32_t chunkSize = u32(p + at + 4);
        const std::size_t body = at + chunkHeaderBytes;
        if (chunkSize > size - body) return false;
        Chunk* kept = isId(p + at, "fmt ")   ? &formatChunk
                      : isId(p + at, "data") ? &dataChunk
                                             : nullptr;
        if (kept != nullptr && !kept->found) *kept = Chunk{true, body, chunkSize};
        // The pad byte after an odd chunk; a last chunk that lacks it is let pass.
        at = body + chunkSize + (chunkSize & 1);
    }
    return true;
}

bool WavReader::readFormat(platform::WaveFormat& format) const {
    if (!formatChunk.found || formatChunk.size < formatBytesMin) return false;
    const std::uint8_t* p = file.data() + formatChunk.offset;
    format.formatTag = u16(p);
    format.channels = u16(p + 2);
    format.samplesPerSec = u32(p + 4);
    format.avgBytesPerSec = u32(p + 8);
    format.blockAlign = u16(p + 12);
    format.bitsPerSample = u16(p + 14);
    return true;
}

bool WavReader::findData(const platform::WaveFormat& format,
                         std::span<const std::uint8_t>& samples) const {
    if (!dataChunk.found) return false;
    std::uint32_t bytes = dataChunk.size;
    if (format.blockAlign != 0) bytes -= bytes % format.blockAlign;
    samples = {file.data() + dataChunk.offset, bytes};
    return true;
}
