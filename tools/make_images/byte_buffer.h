#pragma once

#include <cstdint>
#include <vector>

using Bytes = std::vector<std::uint8_t>;

// PNG stores its integers big-endian, while the Windows icon structures are
// little-endian, so both orders are needed.

inline void appendBigEndian32(Bytes& bytes, std::uint32_t value)
{
    for (int shift = 24; shift >= 0; shift -= 8) {
        bytes.push_back(static_cast<std::uint8_t>(value >> shift));
    }
}

inline void appendLittleEndian16(Bytes& bytes, std::uint16_t value)
{
    bytes.push_back(static_cast<std::uint8_t>(value));
    bytes.push_back(static_cast<std::uint8_t>(value >> 8));
}

inline void appendLittleEndian32(Bytes& bytes, std::uint32_t value)
{
    for (int shift = 0; shift < 32; shift += 8) {
        bytes.push_back(static_cast<std::uint8_t>(value >> shift));
    }
}
