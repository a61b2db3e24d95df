#include "ico_writer.h"
#include "output_file.h"
#include "pictures.h"
#include "raster.h"
#include "shapes.h"

#include <sstream>

// The application icon: a dark slate screen with a pale crescent moon, its
// lower part washed in translucent amber - the warm tint the program lays
// over the desktop. The artwork is described on a unit square and rendered
// separately at every size, so small sizes stay crisp rather than being
// scaled down from the large one.

namespace {

constexpr int kBitmapSizes[] = {16, 32, 48};
constexpr int kPngSize = 256;

const RoundedRect kBezel{0.04f, 0.04f, 0.96f, 0.96f, 0.20f};
const RoundedRect kScreen{0.10f, 0.10f, 0.90f, 0.90f, 0.14f};
const Circle kMoon{0.45f, 0.43f, 0.25f};
const Circle kMoonShadow{0.565f, 0.35f, 0.215f};
constexpr float kHorizon = 0.60f;

const Colour kBezelColour = rgb(0x55, 0x63, 0x75);
const Colour kScreenTop = rgb(0x36, 0x42, 0x52);
const Colour kScreenBottom = rgb(0x1E, 0x26, 0x31);
const Colour kMoonColour = rgb(0xFF, 0xE8, 0xAE);
const Colour kAmber = rgb(0xFF, 0xA8, 0x3A);
// The wash thickens towards the bottom, like a tint settling on the screen.
constexpr float kWashAlphaTop = 0.55f;
constexpr float kWashAlphaBottom = 0.85f;

Colour mix(Colour from, Colour to, float t)
{
    return {from.r + (to.r - from.r) * t, from.g + (to.g - from.g) * t,
            from.b + (to.b - from.b) * t, from.a + (to.a - from.a) * t};
}

// Adapts a shape or paint described on the unit square to a canvas of `size` pixels.
template <typename UnitFunction>
auto scaledTo(int size, UnitFunction function)
{
    return [size, function](float x, float y) { return function(x / size, y / size); };
}

bool inMoon(float x, float y)
{
    return kMoon(x, y) && !kMoonShadow(x, y);
}

bool inWash(float x, float y)
{
    return kScreen(x, y) && y >= kHorizon;
}

Colour screenPaint(float, float y)
{
    return mix(kScreenTop, kScreenBottom, (y - kScreen.top) / (kScreen.bottom - kScreen.top));
}

Colour washPaint(float, float y)
{
    Colour colour = kAmber;
    const float depth = (y - kHorizon) / (kScreen.bottom - kHorizon);
    colour.a = kWashAlphaTop + (kWashAlphaBottom - kWashAlphaTop) * depth;
    return colour;
}

Canvas paintIcon(int size)
{
    Canvas canvas(size, size, Colour{0.0f, 0.0f, 0.0f, 0.0f});
    fill(canvas, scaledTo(size, kBezel), solid(kBezelColour));
    fill(canvas, scaledTo(size, kScreen), scaledTo(size, screenPaint));
    fill(canvas, scaledTo(size, inMoon), solid(kMoonColour));
    // Painted last so the moon's lower tip is tinted too, which is what makes
    // the wash read as translucent.
    fill(canvas, scaledTo(size, inWash), scaledTo(size, washPaint));
    return canvas;
}

Bytes encodePng(const Canvas& canvas)
{
    const auto size = static_cast<std::uint32_t>(canvas.width());
    const PngFormat format{size, size, PngColour::Rgba, PngFilter::None};
    std::ostringstream png;
    writePng(png, format, canvas.toRgba());
    const std::string bytes = png.str();
    return Bytes(bytes.begin(), bytes.end());
}

std::vector<IconImage> iconImages()
{
    std::vector<IconImage> images;
    for (const int size : kBitmapSizes) {
        images.push_back({size, encodeIconBitmap(size, paintIcon(size).toRgba())});
    }
    // Large entries are stored as PNG, which keeps the file small.
    images.push_back({kPngSize, encodePng(paintIcon(kPngSize))});
    return images;
}

} // namespace

void writeIcon(const std::filesystem::path& outputDir)
{
    const std::vector<IconImage> images = iconImages();
    writeOutputFile(outputDir / "vireshade.ico",
                    [&](std::ostream& out) { writeIco(out, images); });
}
