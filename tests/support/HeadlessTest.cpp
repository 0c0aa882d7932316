#include "support/HeadlessTest.h"

#include <sys/wait.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <iterator>
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

std::string HeadlessTest::read(const std::string& name) const {
    std::ifstream in(path(name), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::vector<std::string> HeadlessTest::lines(const std::string& name) const {
    std::vector<std::string> all;
    std::ifstream in(path(name));
    for (std::string line; std::getline(in, line);) all.push_back(line);
    return all;
}

std::vector<std::string> HeadlessTest::linesSinceStart() const {
    std::vector<std::string> all = logLines();
    all.erase(all.begin(), all.begin() + static_cast<std::ptrdiff_t>(startLines));
    return all;
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

int HeadlessTest::run(const std::string& program, const std::string& arguments,
                      const std::string& from) const {
    const std::string command = "cd '" + path(from).string() + "' && DISPLAY= '" + program + "' " +
                                arguments + " > '" + path("out.txt").string() + "' 2> '" +
                                path("err.txt").string() + "'";
    const int status = std::system(command.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

int HeadlessTest::runHeadless(const std::string& arguments) const {
    return run(CORVANES_HEADLESS, arguments);
}

int HeadlessTest::litPixels() const {
    const auto& f = backend.lastFrame();
    return static_cast<int>(f.size()) - static_cast<int>(std::count(f.begin(), f.end(), 0));
}
