#include <gtest/gtest.h>

#include <cctype>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <vector>

#include "platform/Faults.h"

namespace {

namespace fs = std::filesystem;

std::set<std::string> tableNames() {
    std::set<std::string> names;
    for (const platform::FaultEntry& entry : platform::faultTable) names.emplace(entry.name);
    return names;
}

// Every "device.call" in quotes, for the four devices and the bitmap loader.
std::vector<std::string> quotedFaultNames(const std::string& text) {
    std::vector<std::string> found;
    for (const char* device : {"\"window.", "\"display.", "\"input.", "\"sound.", "\"bitmap."}) {
        for (std::size_t at = text.find(device); at != std::string::npos;
             at = text.find(device, at + 1)) {
            std::size_t end = at + std::string(device).size();
            while (end < text.size() && std::isalpha(static_cast<unsigned char>(text[end]))) ++end;
            if (end < text.size() && text[end] == '"')
                found.push_back(text.substr(at + 1, end - at - 1));
        }
    }
    return found;
}

TEST(FaultsTest, EveryFaultHasOneNameFoundByIt) {
    EXPECT_EQ(tableNames().size(), std::size(platform::faultTable));
    for (const platform::FaultEntry& entry : platform::faultTable) {
        EXPECT_EQ(platform::findFault(entry.name), entry.fault) << entry.name;
        EXPECT_EQ(platform::faultName(entry.fault), entry.name);
    }
    EXPECT_EQ(platform::findFault("display.nothing"), std::nullopt);
    EXPECT_EQ(platform::findFault(""), std::nullopt);
}

// A fault name written out anywhere in the sources, outside the table, must be one of the
// table's: the runner lists and injects only what the table holds.
TEST(FaultsTest, TheSourcesNameNoFaultOutsideTheTable) {
    const std::set<std::string> names = tableNames();
    int files = 0;
    for (const auto& entry :
         fs::recursive_directory_iterator(fs::path(CORVANES_SOURCE_DIR) / "src")) {
        if (!entry.is_regular_file() || entry.path().filename() == "Faults.h") continue;
        std::ifstream in(entry.path());
        const std::string text{std::istreambuf_iterator<char>(in),
                               std::istreambuf_iterator<char>()};
        ++files;
        for (const std::string& name : quotedFaultNames(text)) {
            EXPECT_EQ(names.count(name), 1u) << entry.path() << ": " << name;
        }
    }
    EXPECT_GT(files, 50);
}

}  // namespace
