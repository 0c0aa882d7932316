#include "support/HeadlessTest.h"

#include <fstream>
#include <random>

#include "log/Log.h"

void HeadlessTest::SetUp() {
    previousDir = std::filesystem::current_path();
    std::random_device seed;
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    workDir = std::filesystem::temp_directory_path() /
              ("corvanes-" + std::string(info->test_suite_name()) + "-" + info->name() + "-" +
               std::to_string(seed()));
    std::filesystem::create_directories(workDir);
    std::filesystem::current_path(workDir);
    logFile.close();
    logFile.clear();
    logFile.open("log.txt", std::ios::out | std::ios::trunc);
    platform::setBackend(&backend);
}

void HeadlessTest::TearDown() {
    platform::setBackend(nullptr);
    logFile.close();
    std::filesystem::current_path(previousDir);
    std::error_code ignored;
    std::filesystem::remove_all(workDir, ignored);
}

std::vector<std::string> HeadlessTest::logLines() const {
    std::vector<std::string> lines;
    std::ifstream in(workDir / "log.txt");
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

void HeadlessTest::writeFile(const std::string& name,
                             const std::vector<unsigned char>& bytes) const {
    std::ofstream out(workDir / name, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
}

void HeadlessTest::copyGameFile(const std::string& name) const {
    std::filesystem::copy_file(std::filesystem::path(CORVANES_GAME_DIR) / name, path(name),
                               std::filesystem::copy_options::overwrite_existing);
}

void HeadlessTest::copyGameFiles() const {
    for (const auto& entry : std::filesystem::directory_iterator(CORVANES_GAME_DIR)) {
        const std::string name = entry.path().filename().string();
        if (entry.path().extension() == ".bmp" || name == "controls.cfg") copyGameFile(name);
    }
}
