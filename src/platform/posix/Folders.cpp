#include "platform/files/Folders.h"

#include <unistd.h>

namespace platform {

std::filesystem::path programPath() {
    std::error_code failure;
    return std::filesystem::canonical("/proc/self/exe", failure);
}

bool folderWritable(const std::filesystem::path& folder) {
    return access(folder.c_str(), W_OK) == 0;
}

}  // namespace platform
