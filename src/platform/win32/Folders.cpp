#include "platform/files/Folders.h"

#include <windows.h>

#include <string>

namespace platform {

std::filesystem::path programPath() {
    std::wstring name(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length =
            GetModuleFileNameW(nullptr, name.data(), static_cast<DWORD>(name.size()));
        if (length == 0) return {};
        if (length < name.size()) {
            name.resize(length);
            break;
        }
        name.resize(name.size() * 2);
    }
    std::error_code failure;
    return std::filesystem::canonical(name, failure);
}

bool folderWritable(const std::filesystem::path& folder) {
    // The folder's attributes say nothing about its access list: only making a file there
    // tells. The file goes again when its handle closes.
    for (unsigned n = GetCurrentProcessId();; ++n) {
        const std::filesystem::path probe = folder / (".corvanes-" + std::to_string(n));
        const HANDLE file =
            CreateFileW(probe.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                        FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
        if (file != INVALID_HANDLE_VALUE) {
            CloseHandle(file);
            return true;
        }
        if (GetLastError() != ERROR_FILE_EXISTS) return false;
    }
}

}  // namespace platform
