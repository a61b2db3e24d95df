#pragma once

#include <filesystem>
#include <functional>
#include <ostream>

// Creates `path` (and any missing parent folders), lets `produce` write the
// file's bytes and throws if anything could not be written.
void writeOutputFile(const std::filesystem::path& path,
                     const std::function<void(std::ostream&)>& produce);
