#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <regex>
#include <set>
#include <string>

#include "platform/Faults.h"

namespace {

namespace fs = std::filesystem;

std::set<std::string> tableNames() {
    std::set<std::string> names;
    for (const platform::FaultEntry& entry : platform::faultTable) names.emplace(entry.name);
    return names;
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
    const std::regex quoted(R"re("((window|display|input|sound|bitmap)\.[A-Za-z]+)")re");
    const std::set<std::string> names = tableNames();
    int files = 0;
    for (const auto& entry :
         fs::recursive_directory_iterator(fs::path(CORVANES_SOURCE_DIR) / "src")) {
        if (!entry.is_regular_file() || entry.path().filename() == "Faults.h") continue;
        std::ifstream in(entry.path());
        const std::string text{std::istreambuf_iterator<char>(in),
                               std::istreambuf_iterator<char>()};
        ++files;
        for (std::sregex_iterator m(text.begin(), text.end(), quoted), end; m != end; ++m) {
            EXPECT_EQ(names.count((*m)[1]), 1u) << entry.path() << ": " << (*m)[1];
        }
    }
    EXPECT_GT(files, 50);
}

}  // namespace
