// The running executable's full path, split at its last backslash.
#pragma once

#include <string>

// The directory, without a trailing backslash (a drive root gives "C:").
std::string RunDirectory();
// The file name with its extension.
std::string ExecutableName();
