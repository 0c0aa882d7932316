#include <gtest/gtest.h>

#include "sound/WavReader.h"
#include "support/WavBuilder.h"

namespace {

wav::Bytes bytes(std::initializer_list<unsigned char> list) {
    return wav::Bytes(list);
}

struct Read {
    bool opened = false;
    bool formatRead = false;
    platform::WaveFormat format;
    bool dataFound = false;
    wav::Bytes data;
};

Read read(const wav::Bytes& file) {
    Read r;
    WavReader reader;
    r.opened = reader.open(file);
    if (!r.opened) return r;
    r.formatRead = reader.readFormat(r.format);
    std::span<const std::uint8_t> samples;
    r.dataFound = reader.findData(r.format, samples);
    r.data.assign(samples.begin(), samples.end());
    return r;
}

}  // namespace

TEST(WavReaderTest, FindsChunksInAnyOrderAndSkipsUnknownOnes) {
    const wav::Bytes data = wav::samples16({1, -2, 300, -400});
    const Read r = read(wav::riff({{"LIST", bytes({1, 2, 3, 4, 5, 6})},
                                   {"data", data},
                                   {"fact", bytes({0, 0, 0, 0})},
                                   {"fmt ", wav::format(2, 16, 22050)}}));
    ASSERT_TRUE(r.opened);
    ASSERT_TRUE(r.formatRead);
    EXPECT_EQ(r.format.formatTag, 1);
    EXPECT_EQ(r.format.channels, 2);
    EXPECT_EQ(r.format.samplesPerSec, 22050u);
    EXPECT_EQ(r.format.avgBytesPerSec, 88200u);
    EXPECT_EQ(r.format.blockAlign, 4);
    EXPECT_EQ(r.format.bitsPerSample, 16);
    ASSERT_TRUE(r.dataFound);
    EXPECT_EQ(r.data, data);
}

TEST(WavReaderTest, OddChunksAreFollowedByAPadByte) {
    // A 3-byte chunk, its pad, then the format; 3 bytes of 8-bit data whose pad is not data.
    const Read r = read(wav::riff({{"junk", bytes({7, 7, 7})},
                                   {"fmt ", wav::format(1, 8, 8000)},
                                   {"data", bytes({1, 2, 3})},
                                   {"LIST", bytes({9})}}));
    ASSERT_TRUE(r.opened);
    ASSERT_TRUE(r.formatRead);
    EXPECT_EQ(r.format.samplesPerSec, 8000u);
    EXPECT_EQ(r.data, bytes({1, 2, 3}));

    // A last chunk that lacks its pad byte is let pass.
    wav::Bytes unpadded = wav::pcm(1, 8, 8000, bytes({1, 2, 3}));
    unpadded.pop_back();
    EXPECT_EQ(read(unpadded).data, bytes({1, 2, 3}));
}

TEST(WavReaderTest, DataIsCutToWholeBlocks) {
    const Read r = read(wav::pcm(2, 16, 44100, bytes({1, 2, 3, 4, 5, 6, 7})));
    EXPECT_EQ(r.data, bytes({1, 2, 3, 4}));
}

TEST(WavReaderTest, WrongRiffSizeAndByteRateAreTolerated) {
    wav::Bytes file = wav::pcm(1, 16, 44100, wav::samples16({5, 6}));
    for (std::uint32_t riffSize : {0u, 4u, 0xFFFFFFFFu}) {
        SCOPED_TRACE(riffSize);
        for (int i = 0; i < 4; ++i) file[4 + i] = static_cast<unsigned char>(riffSize >> (8 * i));
        file[28] = 0x12;  // nAvgBytesPerSec
        const Read r = read(file);
        ASSERT_TRUE(r.opened);
        EXPECT_TRUE(r.formatRead);
        EXPECT_EQ(r.data, wav::samples16({5, 6}));
    }
}

TEST(WavReaderTest, RejectsFilesThatAreNotWholeRiffWaveFiles) {
    const wav::Bytes good = wav::pcm(1, 16, 44100, wav::samples16({1, 2, 3, 4}));
    wav::Bytes notRiff = good;
    notRiff[0] = 'X';
    wav::Bytes notWave = good;
    notWave[8] = 'A';
    wav::Bytes oversized = good;
    oversized[40] = 0xFF;  // the "data" size, far past the end
    wav::Bytes lyingFormat = good;
    lyingFormat[16] = 17;  // "fmt " claims one byte more than there is before "data"
    const wav::Bytes truncatedBody(good.begin(), good.end() - 1);
    const wav::Bytes truncatedHeader(good.begin(), good.begin() + 40);
    const wav::Bytes tooShort(good.begin(), good.begin() + 11);
    const wav::Bytes empty;
    wav::Bytes hugeChunk = good;
    for (int i = 0; i < 4; ++i) hugeChunk[40 + i] = 0xFF;

    const struct {
        const char* name;
        const wav::Bytes& file;
    } cases[] = {{"empty", empty},
                 {"not RIFF", notRiff},
                 {"not WAVE", notWave},
                 {"oversized chunk", oversized},
                 {"size 0xFFFFFFFF", hugeChunk},
                 {"lying format size", lyingFormat},
                 {"truncated body", truncatedBody},
                 {"truncated header", truncatedHeader},
                 {"shorter than a RIFF header", tooShort}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_FALSE(read(c.file).opened);
    }
}
