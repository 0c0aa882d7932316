#include "support/WavBuilder.h"

namespace wav {

namespace {

void put16(Bytes& out, unsigned value) {
    out.push_back(static_cast<unsigned char>(value & 0xFF));
    out.push_back(static_cast<unsigned char>((value >> 8) & 0xFF));
}

void put32(Bytes& out, std::uint32_t value) {
    put16(out, value & 0xFFFF);
    put16(out, value >> 16);
}

void putId(Bytes& out, const std::string& id) {
    out.insert(out.end(), id.begin(), id.end());
}

}  // namespace

Bytes riff(const std::vector<Chunk>& chunks) {
    Bytes out;
    putId(out, "RIFF");
    put32(out, 0);
    putId(out, "WAVE");
    for (const Chunk& chunk : chunks) {
        putId(out, chunk.id);
        put32(out, chunk.statedSize >= 0 ? static_cast<std::uint32_t>(chunk.statedSize)
                                         : static_cast<std::uint32_t>(chunk.body.size()));
        out.insert(out.end(), chunk.body.begin(), chunk.body.end());
        if (chunk.body.size() % 2 != 0) out.push_back(0);
    }
    const auto riffSize = static_cast<std::uint32_t>(out.size() - 8);
    for (int i = 0; i < 4; ++i) out[4 + i] = static_cast<unsigned char>(riffSize >> (8 * i));
    return out;
}

Bytes format(int channels, int bits, int rate, int tag, int blockAlign) {
    const int align = blockAlign >= 0 ? blockAlign : channels * bits / 8;
    Bytes out;
    put16(out, static_cast<unsigned>(tag));
    put16(out, static_cast<unsigned>(channels));
    put32(out, static_cast<std::uint32_t>(rate));
    put32(out, static_cast<std::uint32_t>(rate * align));
    put16(out, static_cast<unsigned>(align));
    put16(out, static_cast<unsigned>(bits));
    return out;
}

Bytes samples16(const std::vector<std::int16_t>& values) {
    Bytes out;
    for (std::int16_t v : values) put16(out, static_cast<std::uint16_t>(v));
    return out;
}

Bytes pcm(int channels, int bits, int rate, const Bytes& data) {
    return riff({{"fmt ", format(channels, bits, rate)}, {"data", data}});
}

}  // namespace wav
