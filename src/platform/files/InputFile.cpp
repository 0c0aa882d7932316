#include "platform/files/InputFile.h"

#include <algorithm>
#include <cstring>
#include <filesystem>

#include "platform/files/FileTap.h"

namespace platform {

namespace {

FileTap* installedTap = nullptr;

}  // namespace

FileTap* fileTap() {
    return installedTap;
}

void setFileTap(FileTap* tap) {
    installedTap = tap;
}

InputFile::InputFile(std::string fileName) : name(std::move(fileName)) {
    std::optional<std::string> bytes;
    if (installedTap != nullptr && installedTap->standIn(name, bytes)) {
        open = bytes.has_value();
        standIn = std::move(bytes);
        return;
    }
    std::error_code error;
    if (std::filesystem::is_regular_file(name, error)) file.open(name, std::ios::binary);
    open = file.is_open();
}

InputFile::~InputFile() {
    if (installedTap == nullptr) return;
    installedTap->fileRead(name, open ? std::optional<std::string>(taken) : std::nullopt);
}

std::size_t InputFile::read(char* buffer, std::size_t size) {
    if (!open) return 0;
    std::size_t got = 0;
    if (standIn) {
        got = std::min(size, standIn->size() - offset);
        std::memcpy(buffer, standIn->data() + offset, got);
        offset += got;
    } else if (file) {
        file.read(buffer, static_cast<std::streamsize>(size));
        got = static_cast<std::size_t>(std::max<std::streamsize>(file.gcount(), 0));
    }
    if (installedTap != nullptr) taken.append(buffer, got);
    return got;
}

}  // namespace platform
