#pragma once

#include <string>

// The files named on the command line, checked before anything runs.
namespace session {

// Reads a whole plain file. False for anything else, with `why` ("it is a folder", "it is not
// a plain file" or "it cannot be read"; nothing for a file that is not there).
bool readPlainFile(const std::string& file, std::string& text, std::string& why);

// The end of the refusal of a file that could not be made: ": it is a folder" for a folder,
// else nothing.
std::string whyNotWritten(const std::string& file);

}  // namespace session
