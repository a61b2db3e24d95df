#pragma once

#include "byte_buffer.h"

#include <vector>

// Straight (not premultiplied) colour, every channel in 0..1.
struct Colour {
    float r;
    float g;
    float b;
    float a;
};

inline Colour rgb(int r, int g, int b, float alpha = 1.0f)
{
    return {r / 255.0f, g / 255.0f, b / 255.0f, alpha};
}

// A small floating-point canvas that shapes are painted onto with source-over
// blending. Pixels are kept premultiplied so that blending is a plain lerp.
class Canvas {
public:
    Canvas(int width, int height, Colour background);

    int width() const { return width_; }
    int height() const { return height_; }

    // Paints `colour` over pixel (x, y) with its alpha scaled by `coverage`.
    void blend(int x, int y, Colour colour, float coverage);

    // Alpha is dropped, so only use this for canvases with an opaque background.
    Bytes toRgb() const;
    // Straight alpha, as both PNG and icon bitmaps expect.
    Bytes toRgba() const;

private:
    struct Premultiplied {
        float r;
        float g;
        float b;
        float a;
    };

    int width_;
    int height_;
    std::vector<Premultiplied> pixels_;
};

// Edges are anti-aliased by testing a regular grid of points in each pixel.
constexpr int kSamplesPerAxis = 4;

// Fraction of pixel (x, y) that lies inside `shape`, a predicate on canvas
// coordinates where pixel (x, y) covers [x, x + 1) x [y, y + 1).
template <typename Shape>
float coverage(const Shape& shape, int x, int y)
{
    int inside = 0;
    for (int sy = 0; sy < kSamplesPerAxis; ++sy) {
        for (int sx = 0; sx < kSamplesPerAxis; ++sx) {
            const float px = x + (sx + 0.5f) / kSamplesPerAxis;
            const float py = y + (sy + 0.5f) / kSamplesPerAxis;
            inside += shape(px, py) ? 1 : 0;
        }
    }
    return static_cast<float>(inside) / (kSamplesPerAxis * kSamplesPerAxis);
}

// Paints `shape` with `paint`, a function giving the colour at a point, which
// is sampled once per pixel at the pixel's centre.
template <typename Shape, typename Paint>
void fill(Canvas& canvas, const Shape& shape, const Paint& paint)
{
    for (int y = 0; y < canvas.height(); ++y) {
        for (int x = 0; x < canvas.width(); ++x) {
            const float covered = coverage(shape, x, y);
            if (covered > 0.0f) {
                canvas.blend(x, y, paint(x + 0.5f, y + 0.5f), covered);
            }
        }
    }
}

inline auto solid(Colour colour)
{
    return [colour](float, float) { return colour; };
}
