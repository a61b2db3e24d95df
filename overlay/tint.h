// The five tint presets and the repaint that puts one of them over the screen.
#pragma once

#include <string_view>

// A complete PNG file of 5000 x 5000 opaque pixels in one colour, held in the
// executable's read-only data; index 0..4 as 滑块条2's position.
std::string_view TintPreset(int index);

void OnTintChanged();
void RepaintOverlay(std::string_view image);
