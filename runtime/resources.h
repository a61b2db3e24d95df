// Read-only data embedded in the executable.
#pragma once

#include <string_view>

namespace runtime {

// The bytes of the RCDATA resource with that id; empty when there is none. They live as
// long as the process and are never copied.
std::string_view ResourceBytes(int id);

}  // namespace runtime
