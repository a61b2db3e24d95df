#include "output_file.h"
#include "pictures.h"
#include "raster.h"
#include "shapes.h"

// The backdrop behind the black percentage number: a white disc with a faint
// outline, flanked by two thin arcs. Everything is kept pale and low-contrast
// so that the number is the only thing that draws the eye.

namespace {

constexpr int kWidth = 203;
constexpr int kHeight = 105;

// The disc covers columns 59-129 and rows 20-91.
constexpr float kCentreX = 94.5f;
constexpr float kCentreY = 56.0f;
constexpr float kDiscRadius = 35.5f;
constexpr float kOutlineWidth = 1.5f;

// With the stroke's edges on pixel boundaries where the arcs run vertically,
// they show as two solid pixels there rather than three blurred ones.
constexpr float kArcRadius = 49.5f;
constexpr float kArcThickness = 2.0f;
constexpr float kArcHalfSpan = kPi / 4.0f;

const Colour kField = rgb(235, 235, 235);
const Colour kOutline = rgb(215, 215, 215);
const Colour kWhite = rgb(255, 255, 255);

Canvas paintRing()
{
    Canvas canvas(kWidth, kHeight, kField);
    // The outline is a slightly larger grey disc under the white one, so the
    // two anti-aliased edges blend into each other without a seam.
    fill(canvas, Circle{kCentreX, kCentreY, kDiscRadius + kOutlineWidth}, solid(kOutline));
    fill(canvas, Circle{kCentreX, kCentreY, kDiscRadius}, solid(kWhite));
    for (const float direction : {0.0f, kPi}) {
        const Arc arc{kCentreX, kCentreY, kArcRadius, kArcThickness, direction, kArcHalfSpan};
        fill(canvas, arc, solid(kWhite));
    }
    return canvas;
}

} // namespace

void writeRing(const std::filesystem::path& outputDir)
{
    const Canvas canvas = paintRing();
    // Decoding speed is irrelevant for a picture this small, so no filter.
    const PngFormat format{kWidth, kHeight, PngColour::Rgb, PngFilter::None};
    writeOutputFile(outputDir / "ring.png",
                    [&](std::ostream& out) { writePng(out, format, canvas.toRgb()); });
}
