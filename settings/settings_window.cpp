#include "settings/settings_window.h"

#include "app/close_flows.h"
#include "app/constants.h"
#include "overlay/overlay_window.h"
#include "overlay/tint.h"
#include "resources/resource_ids.h"
#include "settings/opacity_percent.h"
#include "settings/settings_file.h"
#include "settings/start_at_logon.h"

runtime::Slider 滑块条1{{0, 255, 0, runtime::TickMarks::None}, OnOpacityChanged};
runtime::Slider 滑块条2{{0, 4, 0, runtime::TickMarks::Below}, OnTintChanged};
runtime::Slider 滑块条3{{1, 2, 0, runtime::TickMarks::Below}, OnStartAtLogonChanged};
// Each tint's name stands under its tick of 滑块条2.
runtime::Label 标签1{
    L"推荐色\u3000\u3000\u3000  黑\u3000\u3000\u3000\u3000 \u3000黄\u3000\u3000\u3000\u3000 "
    L"\u3000绿"
    L"\u3000\u3000\u3000 \u3000\u3000红"};
runtime::Label 标签2{L" 否                     开机自启                    是"};
runtime::PictureBox 图片框1{RGB(235, 235, 235), IDR_RING_PICTURE};
runtime::TransparentLabel 透明标签1{L"NaN", {L"微软雅黑", -20, FW_NORMAL}};

// None of the controls overlap, so their order only sets the tab order: top to bottom.
runtime::Form SettingsWindow{{
    L"Vireshade - 作者 Vireshade Team · vireshade.example",
    {50, 50, 463, 311},
    WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX,
    /*centred=*/true,
    /*taskbarButton=*/true,
    /*escCloses=*/true,
    {
        {&图片框1, {-1, -2, 457, 122}},
        {&透明标签1, {195, 55, 54, 16}, &图片框1},
        {&滑块条1, {60, 123, 336, 24}},
        {&滑块条2, {60, 147, 336, 28}},
        {&标签1, {60, 176, 336, 32}},
        {&滑块条3, {60, 208, 336, 29}},
        {&标签2, {64, 240, 328, 24}},
    },
    OnSettingsWindowCreated,
    OnSettingsWindowCanClose,
}};

namespace {

void ShowOpacityPercent() {
  const std::string text = FormatOpacityPercent(滑块条1.Position());
  透明标签1.SetText(std::wstring(text.begin(), text.end()).c_str());
}

}  // namespace

void OnSettingsWindowCreated() {
  OverlayWindow.Load();  // the tint is painted below whether or not the overlay exists
  滑块条1.SetPosition(ReadSetting(constants::kOpacitySetting, constants::kOpacityDefault));
  ShowOpacityPercent();
  滑块条2.SetPosition(ReadSetting(constants::kTintSetting, constants::kTintDefault));
  滑块条3.SetPosition(
      ReadSetting(constants::kStartAtLogonSetting, constants::kStartAtLogonDefault));
  OnTintChanged();
}

void OnOpacityChanged() {
  ShowOpacityPercent();
  const int tint = 滑块条2.Position();
  if (tint < 0 || tint >= constants::kTintPresetCount) return;
  RepaintOverlay(TintPreset(tint));
}
