#include "app/CommandLineFiles.h"

#include <filesystem>
#include <fstream>

namespace session {

namespace fs = std::filesystem;

bool readPlainFile(const std::string& file, std::string& text, std::string& why) {
    std::error_code failure;
    const fs::file_status status = fs::status(file, failure);
    if (!fs::exists(status)) {
        why.clear();
        return false;
    }
    if (fs::is_directory(status)) {
        why = "it is a folder";
        return false;
    }
    if (!fs::is_regular_file(status)) {
        why = "it is not a plain file";
        return false;
    }
    // Read in blocks: a stream iterator would throw where the file cannot be read.
    std::ifstream in(file, std::ios::binary);
    text.clear();
    char block[1 << 16];
    while (in.read(block, sizeof block) || in.gcount() > 0) {
        text.append(block, static_cast<std::size_t>(in.gcount()));
    }
    if (!in.is_open() || in.bad()) {
        why = "it cannot be read";
        return false;
    }
    return true;
}

std::string whyNotWritten(const std::string& file) {
    std::error_code failure;
    return fs::is_directory(file, failure) ? ": it is a folder" : "";
}

}  // namespace session
