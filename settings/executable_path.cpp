#include "settings/executable_path.h"

#include <windows.h>

namespace {

std::string ExecutablePath() {
  // MAX_PATH is the usual case; a longer path would come back cut (and, on old systems,
  // without its terminating zero), so grow the buffer until it fits.
  std::string path(MAX_PATH, '\0');
  for (;;) {
    const DWORD length = GetModuleFileNameA(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length < path.size()) {
      path.resize(length);
      return path;
    }
    path.resize(path.size() * 2);
  }
}

}  // namespace

SplitText SplitAtLastAnsiBackslash(std::string_view text) {
  return SplitAtLastBackslash(text,
                              [](unsigned char byte) { return IsDBCSLeadByte(byte) != FALSE; });
}

std::string RunDirectory() {
  const std::string path = ExecutablePath();
  return std::string(SplitAtLastAnsiBackslash(path).before);
}

std::string ExecutableName() {
  const std::string path = ExecutablePath();
  return std::string(SplitAtLastAnsiBackslash(path).after);
}
