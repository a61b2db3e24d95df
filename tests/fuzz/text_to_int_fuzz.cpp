// Compares TextToInt with a second implementation written from the rules alone: a
// character-at-a-time reader that never builds a normalised copy.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "settings/text_to_int.h"

namespace {

// The next character as the reader sees it, or -1 at the end; double-byte characters
// that have an ASCII meaning are mapped, others come back as 0x100 (never a digit,
// sign or white space).
int NextCharacter(std::string_view text, std::size_t& at) {
  while (at < text.size()) {
    const unsigned lead = static_cast<unsigned char>(text[at]);
    if (lead < 0x80) {
      ++at;
      return static_cast<int>(lead);
    }
    if (at + 1 >= text.size()) {
      at = text.size();
      return -1;
    }
    const unsigned trail = static_cast<unsigned char>(text[at + 1]);
    at += 2;
    const unsigned pair = lead << 8 | trail;
    if (pair >= 0xA3A1 && pair <= 0xA3FE) return static_cast<int>(pair - 0xA3A1 + 0x21);
    if (pair == 0xA1A1) return ' ';
    if (pair == 0xA1AB) return '~';
    if (pair == 0xA1EE || pair == 0xA1EF) return '*';
    return 0x100;
  }
  return -1;
}

std::int32_t Reference(std::string_view text) {
  std::size_t at = 0;
  int c = NextCharacter(text, at);
  while (c == ' ' || (c >= '\t' && c <= '\r')) c = NextCharacter(text, at);
  std::int64_t sign = 1;
  if (c == '+' || c == '-') {
    sign = c == '-' ? -1 : 1;
    c = NextCharacter(text, at);
  }
  std::uint64_t value = 0;
  while (c >= '0' && c <= '9') {
    value = (value * 10 + static_cast<std::uint64_t>(c - '0')) & 0xFFFFFFFFu;
    c = NextCharacter(text, at);
  }
  const std::uint64_t signedValue = sign < 0 ? (0x100000000u - value) & 0xFFFFFFFFu : value;
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(signedValue));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  if (TextToInt(text) != Reference(text)) std::abort();
  return 0;
}
