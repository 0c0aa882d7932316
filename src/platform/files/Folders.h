#pragma once

#include <filesystem>

// What only the system can say about the program's files and folders.
namespace platform {

// The running program's own file, with every link resolved; empty when the system will not say.
std::filesystem::path programPath();

// True when files can be made in the folder by this user.
bool folderWritable(const std::filesystem::path& folder);

}  // namespace platform
