#include "raster.h"

#include <algorithm>
#include <cmath>

namespace {

std::uint8_t toByte(float value)
{
    return static_cast<std::uint8_t>(std::lround(std::clamp(value, 0.0f, 1.0f) * 255.0f));
}

} // namespace

Canvas::Canvas(int width, int height, Colour background)
    : width_(width),
      height_(height),
      pixels_(static_cast<std::size_t>(width) * height,
              {background.r * background.a, background.g * background.a,
               background.b * background.a, background.a})
{
}

void Canvas::blend(int x, int y, Colour colour, float coverage)
{
    const float alpha = colour.a * coverage;
    const float keep = 1.0f - alpha;
    Premultiplied& pixel = pixels_[static_cast<std::size_t>(y) * width_ + x];
    pixel.r = colour.r * alpha + pixel.r * keep;
    pixel.g = colour.g * alpha + pixel.g * keep;
    pixel.b = colour.b * alpha + pixel.b * keep;
    pixel.a = alpha + pixel.a * keep;
}

Bytes Canvas::toRgb() const
{
    Bytes bytes;
    bytes.reserve(pixels_.size() * 3);
    for (const Premultiplied& pixel : pixels_) {
        bytes.push_back(toByte(pixel.r));
        bytes.push_back(toByte(pixel.g));
        bytes.push_back(toByte(pixel.b));
    }
    return bytes;
}

Bytes Canvas::toRgba() const
{
    Bytes bytes;
    bytes.reserve(pixels_.size() * 4);
    for (const Premultiplied& pixel : pixels_) {
        const float unpremultiply = pixel.a > 0.0f ? 1.0f / pixel.a : 0.0f;
        bytes.push_back(toByte(pixel.r * unpremultiply));
        bytes.push_back(toByte(pixel.g * unpremultiply));
        bytes.push_back(toByte(pixel.b * unpremultiply));
        bytes.push_back(toByte(pixel.a));
    }
    return bytes;
}
