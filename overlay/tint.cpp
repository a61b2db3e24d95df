#include "overlay/tint.h"

#include "app/constants.h"
#include "app/globals.h"
#include "overlay/overlay_window.h"
#include "overlay/placement.h"
#include "resources/resource_ids.h"
#include "runtime/resources.h"
#include "settings/settings_window.h"

namespace {
// Colours: pale yellow (recommended), black, yellow, green, red.
constexpr int kTintResources[constants::kTintPresetCount] = {
    IDR_TINT_RECOMMENDED, IDR_TINT_BLACK, IDR_TINT_YELLOW, IDR_TINT_GREEN, IDR_TINT_RED};
}  // namespace

std::string_view TintPreset(int index) { return runtime::ResourceBytes(kTintResources[index]); }

void OnTintChanged() {
  const int tint = 滑块条2.Position();
  if (tint < 0 || tint >= constants::kTintPresetCount) return;
  RepaintOverlay(TintPreset(tint));
}

void RepaintOverlay(std::string_view image) {
  StartupGdiplus();
  OverlayWindow.SetTop(0);
  OverlayWindow.SetLeft(0);
  OverlayWindow.SetWidth(GetSystemMetrics(SM_CXSCREEN));
  OverlayWindow.SetHeight(GetSystemMetrics(SM_CYSCREEN));
  const int alpha = ConstantAlphaForOpacity(滑块条1.Position());
  HWND overlay = OverlayWindow.Handle();
  PainterObject->PaintPng(overlay, image,
                          alpha);  // whatever it gives, the tint stays click-through
  PainterObject->SetClickThrough(overlay, 1);
}
