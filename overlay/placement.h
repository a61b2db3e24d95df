// Arithmetic of one paint of the overlay: where the surface goes, its size in bytes, and
// the constant opacity handed to the system.
#pragma once

#include <cmath>
#include <cstdint>

struct ScreenPoint {
  int x = 0;
  int y = 0;
};

// Centred on the primary screen; each coordinate computed in double and truncated
// toward zero (-1817.5 becomes -1817).
inline ScreenPoint CentredOnPrimaryScreen(int screenWidth, int screenHeight, int width,
                                          int height) {
  return {static_cast<int>(std::trunc(screenWidth / 2.0 - width / 2.0)),
          static_cast<int>(std::trunc(screenHeight / 2.0 - height / 2.0))};
}

// A 32-bit surface: width x height x 32 / 8 bytes.
inline std::uint32_t SurfaceSizeBytes(int width, int height) {
  return static_cast<std::uint32_t>(std::trunc(static_cast<double>(width) * height * 32.0 / 8.0));
}

// The constant alpha byte of the blend: the low 8 bits, except that 0 means opaque.
inline std::uint8_t SourceConstantAlpha(int alpha) {
  return alpha == 0 ? 255 : static_cast<std::uint8_t>(alpha & 0xFF);
}

// The opacity slider's position as the alpha of a repaint: 0 still paints, barely.
inline int ConstantAlphaForOpacity(int position) { return position != 0 ? position : 1; }
