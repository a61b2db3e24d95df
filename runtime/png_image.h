// Decoding a PNG file held in memory into 32-bit pixels, for pictures on the windows.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

namespace runtime {

struct PixelImage {
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> bgra;  // rows top to bottom, one 0xAARRGGBB value per pixel
  bool empty() const { return bgra.empty(); }
};

// An empty image when the bytes are not a PNG libpng can read.
PixelImage DecodePng(std::string_view file);

}  // namespace runtime
