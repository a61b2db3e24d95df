// Reading a setting's text as a number the way the settings file has always been read:
// full-width GBK digits and signs count as their ASCII forms, leading white space is
// skipped, one sign, decimal digits with 32-bit wrap-around, anything after is ignored.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace text_to_int_detail {

// Every byte with its top bit set starts a double-byte character with the byte after it.
inline std::string NormaliseFullWidth(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size();) {
    const auto lead = static_cast<unsigned char>(text[i]);
    if (lead < 0x80) {
      out += static_cast<char>(lead);
      ++i;
      continue;
    }
    if (i + 1 >= text.size()) break;  // a lead byte without its trail byte is dropped
    const auto trail = static_cast<unsigned char>(text[i + 1]);
    i += 2;
    if (lead == 0xA3 && trail >= 0xA1 && trail <= 0xFE) {
      out += static_cast<char>(trail & 0x7F);
    } else if (lead == 0xA1 && trail == 0xA1) {
      out += ' ';
    } else if (lead == 0xA1 && trail == 0xAB) {
      out += '~';
    } else if (lead == 0xA1 && (trail == 0xEE || trail == 0xEF)) {
      out += '*';
    } else {
      out += static_cast<char>(lead);
      out += static_cast<char>(trail);
    }
  }
  return out;
}

constexpr bool IsWhiteSpace(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

}  // namespace text_to_int_detail

inline std::int32_t TextToInt(std::string_view text) {
  const std::string normal = text_to_int_detail::NormaliseFullWidth(text);
  std::size_t i = 0;
  while (i < normal.size() && text_to_int_detail::IsWhiteSpace(normal[i])) ++i;
  bool negative = false;
  if (i < normal.size() && (normal[i] == '+' || normal[i] == '-')) negative = normal[i++] == '-';
  std::uint32_t value = 0;  // unsigned, so that overflow wraps instead of being undefined
  for (; i < normal.size() && normal[i] >= '0' && normal[i] <= '9'; ++i) {
    value = value * 10u + static_cast<std::uint32_t>(normal[i] - '0');
  }
  if (negative) value = 0u - value;
  return static_cast<std::int32_t>(value);
}
