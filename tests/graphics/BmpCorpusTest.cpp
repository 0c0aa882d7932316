#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "app/WinMain.h"
#include "app/Window.h"
#include "game/Game.h"
#include "graphics/BmpDecoder.h"
#include "graphics/Image.h"
#include "support/HeadlessTest.h"

namespace {

namespace fs = std::filesystem;

const fs::path corpus = fs::path(CORVANES_TESTDATA_DIR) / "bmpsuite";

std::vector<fs::path> filesIn(const char* folder) {
    std::vector<fs::path> files;
    for (const auto& entry : fs::directory_iterator(corpus / folder)) {
        if (entry.path().extension() == ".bmp") files.push_back(entry.path());
    }
    std::sort(files.begin(), files.end());
    return files;
}

std::vector<std::uint8_t> contents(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

bool decodeFile(const fs::path& file, platform::Bitmap& bitmap) {
    return decodeBmp(contents(file), bitmap);
}

std::string nameOf(const fs::path& file) {
    return file.stem().string();
}

// Bad files whose only fault is a header field that no decoder needs: the density, the file
// size, the image size of an uncompressed picture, the old planes count. They are the picture
// of g/pal1.
const std::set<std::string> harmlessOddities = {"badbitssize", "baddens1", "baddens2",
                                                "badfilesize", "badplanes"};

// Questionable files we refuse, and why.
const std::set<std::string> refusedQuestionable = {
    "pal1huffmsb",  "pal8os2v2", "pal8os2v2-sz", "rgb24rle24",  // OS/2 2.x headers
    "pal8os2v2-16",                                             // a header size of 16
    "pal2",         "pal2color", "rgba64",                      // 2 and 64 bits per pixel
    "rgb24jpeg",    "rgb24png",  "rgba32abf",                   // JPEG, PNG, CE alpha fields
    "pal8os2sp",  // its colour table runs into the pixels
};

// The corpus sits beside the checkout; a clone without it skips these tests.
bool corpusMissing() {
    return !fs::is_directory(corpus);
}

#define SKIP_WITHOUT_CORPUS() \
    if (corpusMissing())      \
    GTEST_SKIP() << "the BMP test corpus is not at " << corpus.string() << "; nothing to decode"

class BmpCorpusTest : public ::testing::Test {
protected:
    void SetUp() override { SKIP_WITHOUT_CORPUS(); }
};

}  // namespace

TEST_F(BmpCorpusTest, GoodFilesDecodeAtTheirOwnSize) {
    const std::map<std::string, std::pair<int, int>> otherSizes = {
        {"pal8nonsquare", {127, 32}},
        {"pal8w124", {124, 61}},
        {"pal8w125", {125, 62}},
        {"pal8w126", {126, 63}},
    };
    const auto files = filesIn("g");
    ASSERT_FALSE(files.empty());
    for (const fs::path& file : files) {
        SCOPED_TRACE(file.string());
        platform::Bitmap bitmap;
        ASSERT_TRUE(decodeFile(file, bitmap));
        const auto other = otherSizes.find(nameOf(file));
        const auto size = other == otherSizes.end() ? std::pair{127, 64} : other->second;
        EXPECT_EQ(bitmap.width, size.first);
        EXPECT_EQ(bitmap.height, size.second);
        EXPECT_EQ(bitmap.pixels.size(), static_cast<std::size_t>(size.first * size.second));
    }
}

TEST_F(BmpCorpusTest, EncodingsOfOnePictureDecodeAlike) {
    const std::vector<std::vector<std::string>> families = {
        {"pal1", "pal1wb"},
        {"pal4", "pal4rle"},
        {"pal8", "pal8-0", "pal8os2", "pal8rle", "pal8topdown", "pal8v4", "pal8v5"},
        {"rgb16", "rgb16bfdef"},
        {"rgb16-565", "rgb16-565pal"},
        {"rgb24", "rgb24pal", "rgb32", "rgb32bf", "rgb32bfdef"},
    };
    for (const auto& family : families) {
        platform::Bitmap first;
        ASSERT_TRUE(decodeFile(corpus / "g" / (family[0] + ".bmp"), first));
        // The colour pictures start with a red pixel in the top-left corner.
        if (family[0] != "pal1") {
            EXPECT_EQ(first.at(0, 0), 0xFF0000u) << family[0];
        }
        for (const std::string& name : family) {
            SCOPED_TRACE(name);
            platform::Bitmap other;
            ASSERT_TRUE(decodeFile(corpus / "g" / (name + ".bmp"), other));
            EXPECT_EQ(other.pixels, first.pixels);
        }
    }
}

TEST_F(BmpCorpusTest, SixteenBitFilesWidenTheirFieldsByRepeatingTopBits) {
    auto widened = [](std::uint32_t c, int bits) {
        const std::uint32_t field = c >> (8 - bits);
        return c == (bits == 5 ? (field << 3 | field >> 2) : (field << 2 | field >> 4));
    };
    for (const auto& [name, greenBits] : {std::pair{"rgb16", 5}, std::pair{"rgb16-565", 6}}) {
        SCOPED_TRACE(name);
        platform::Bitmap bitmap;
        ASSERT_TRUE(decodeFile(corpus / "g" / (std::string(name) + ".bmp"), bitmap));
        for (std::uint32_t rgb : bitmap.pixels) {
            ASSERT_TRUE(widened(rgb >> 16, 5) && widened((rgb >> 8) & 0xFF, greenBits) &&
                        widened(rgb & 0xFF, 5))
                << std::hex << rgb;
        }
    }
}

TEST_F(BmpCorpusTest, BadFilesAreRefusedUnlessTheirFaultIsHarmless) {
    platform::Bitmap reference;
    ASSERT_TRUE(decodeFile(corpus / "g" / "pal1.bmp", reference));
    const auto files = filesIn("b");
    ASSERT_FALSE(files.empty());
    for (const fs::path& file : files) {
        SCOPED_TRACE(file.string());
        platform::Bitmap bitmap;
        const bool decoded = decodeFile(file, bitmap);
        EXPECT_EQ(decoded, harmlessOddities.count(nameOf(file)) == 1);
        if (decoded) {
            EXPECT_EQ(bitmap.pixels, reference.pixels);
        } else {
            EXPECT_TRUE(bitmap.pixels.empty());
            EXPECT_EQ(bitmap.width, 0);
        }
    }
}

TEST_F(BmpCorpusTest, QuestionableFilesDecodeOrAreRefusedCleanly) {
    const auto files = filesIn("q");
    ASSERT_FALSE(files.empty());
    for (const fs::path& file : files) {
        SCOPED_TRACE(file.string());
        platform::Bitmap bitmap;
        const bool decoded = decodeFile(file, bitmap);
        EXPECT_EQ(decoded, refusedQuestionable.count(nameOf(file)) == 0);
        EXPECT_EQ(bitmap.pixels.size(),
                  static_cast<std::size_t>(bitmap.width) * static_cast<std::size_t>(bitmap.height));
        if (decoded) {
            EXPECT_EQ(bitmap.width, 127);
        }
    }
}

class BmpCorpusEngineTest : public HeadlessTest {
protected:
    void SetUp() override {
        HeadlessTest::SetUp();
        SKIP_WITHOUT_CORPUS();
    }
};

TEST_F(BmpCorpusEngineTest, RefusedBadFilesLogOneLineAndGiveNoImage) {
    Window window(platform::Instance{}, "CorvanesEngine", messageHandler, 800, 600);
    Game game(platform::Instance{}, window.getWindowHandle(), 800, 600);
    for (const fs::path& file : filesIn("b")) {
        SCOPED_TRACE(file.string());
        const std::size_t linesBefore = logLines().size();
        Image* image = game.loadImage(file.string());
        const auto lines = logLines();
        if (harmlessOddities.count(nameOf(file)) == 1) {
            ASSERT_NE(image, nullptr);
            EXPECT_EQ(image->getWidth(), 127);
            EXPECT_EQ(image->getHeight(), 64);
            EXPECT_EQ(lines.size(), linesBefore);
            game.deleteImage(image);
        } else {
            EXPECT_EQ(image, nullptr);
            ASSERT_EQ(lines.size(), linesBefore + 1);
            EXPECT_EQ(lines.back(), "ERROR: unable to load bitmap");
        }
    }
}
