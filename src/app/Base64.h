#pragma once

#include <optional>
#include <string>
#include <string_view>

// The standard base64 alphabet with "=" padding, on one line: how a recording carries a file's
// bytes.
namespace session {

std::string encodeBase64(std::string_view bytes);
// Nothing unless `text` is whole groups of four of the alphabet, padded only at its end.
std::optional<std::string> decodeBase64(std::string_view text);

}  // namespace session
