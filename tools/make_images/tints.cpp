#include "output_file.h"
#include "pictures.h"
#include "tint_presets.h"

namespace {

void writeTint(std::ostream& out, const TintPreset& preset, PngFilter filter)
{
    const PngFormat format{kTintSize, kTintSize, PngColour::Rgb, filter};
    Bytes row;
    row.reserve(kTintSize * 3);
    for (std::uint32_t x = 0; x < kTintSize; ++x) {
        row.insert(row.end(), {preset.red, preset.green, preset.blue});
    }

    PngWriter writer(out, format);
    for (std::uint32_t y = 0; y < kTintSize; ++y) {
        writer.writeRow(row.data());
    }
    writer.finish();
}

} // namespace

void writeTints(const std::filesystem::path& outputDir, PngFilter filter)
{
    for (const TintPreset& preset : kTintPresets) {
        writeOutputFile(outputDir / "tints" / preset.fileName,
                        [&](std::ostream& out) { writeTint(out, preset, filter); });
    }
}
