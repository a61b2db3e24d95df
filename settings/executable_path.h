// The running executable's full path, split at its last backslash.
#pragma once

#include <string>
#include <string_view>

#include "settings/last_backslash.h"

// The directory, without a trailing backslash (a drive root gives "C:").
std::string RunDirectory();
// The file name with its extension.
std::string ExecutableName();

// The split at the last backslash, stepping over double-byte characters of the system's
// ANSI code page.
SplitText SplitAtLastAnsiBackslash(std::string_view text);
