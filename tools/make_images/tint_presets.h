#pragma once

#include <array>
#include <cstdint>

struct TintPreset {
    const char* fileName;
    std::uint8_t red;
    std::uint8_t green;
    std::uint8_t blue;
};

// Width and height of every tint picture, in pixels.
constexpr std::uint32_t kTintSize = 5000;

// The leading digit of each name keeps the presets in this order on disk.
constexpr std::array<TintPreset, 5> kTintPresets{{
    {"0_recommended.png", 0xFF, 0xFF, 0xB8},
    {"1_black.png", 0x00, 0x00, 0x00},
    {"2_yellow.png", 0xFF, 0xFF, 0x05},
    {"3_green.png", 0x22, 0xAC, 0x38},
    {"4_red.png", 0xFC, 0x44, 0x0F},
}};
