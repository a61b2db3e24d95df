// Splitting a path or registry text at its last backslash. The walk steps over
// double-byte characters, so a trail byte equal to '\' (common in GBK) never counts.
#pragma once

#include <string_view>

struct SplitText {
  std::string_view before;  // without the backslash; empty when there is none
  std::string_view after;
};

template <typename IsLeadByte>
std::size_t FindLastBackslash(std::string_view text, IsLeadByte isLeadByte) {
  std::size_t last = std::string_view::npos;
  for (std::size_t i = 0; i < text.size();) {
    const auto byte = static_cast<unsigned char>(text[i]);
    if (isLeadByte(byte) && i + 1 < text.size()) {
      i += 2;
      continue;
    }
    if (byte == '\\') last = i;
    ++i;
  }
  return last;
}

template <typename IsLeadByte>
SplitText SplitAtLastBackslash(std::string_view text, IsLeadByte isLeadByte) {
  const std::size_t at = FindLastBackslash(text, isLeadByte);
  if (at == std::string_view::npos) return {{}, text};
  return {text.substr(0, at), text.substr(at + 1)};
}
