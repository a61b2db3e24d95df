// The settings file and registry value as the tests see them.
#pragma once

#include <windows.h>

#include <fstream>
#include <iterator>
#include <string>

#include "settings/executable_path.h"
#include "settings/settings_window.h"

inline std::string SettingsFilePath() { return RunDirectory() + "\\config.ini"; }

inline std::string ReadWholeFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

inline void WriteWholeFile(const std::string& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

inline std::wstring WindowText(HWND window) {
  wchar_t text[512] = {};
  GetWindowTextW(window, text, 512);
  return text;
}

// Tests that move the sliders put them back, so every test sees the start-up state.
class RestoreSliderPositions {
 public:
  RestoreSliderPositions()
      : opacity_(滑块条1.Position()),
        tint_(滑块条2.Position()),
        startAtLogon_(滑块条3.Position()) {}
  ~RestoreSliderPositions() {
    滑块条1.SetPosition(opacity_);
    滑块条2.SetPosition(tint_);
    滑块条3.SetPosition(startAtLogon_);
  }
  RestoreSliderPositions(const RestoreSliderPositions&) = delete;
  RestoreSliderPositions& operator=(const RestoreSliderPositions&) = delete;

 private:
  int opacity_, tint_, startAtLogon_;
};
