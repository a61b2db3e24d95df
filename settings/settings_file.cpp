#include "settings/settings_file.h"

#include <windows.h>

#include <string>
#include <vector>

#include "app/constants.h"
#include "settings/executable_path.h"
#include "settings/settings_window.h"
#include "settings/text_to_int.h"

namespace {

std::string SettingsFilePath() { return RunDirectory() + constants::kSettingsFile; }

}  // namespace

std::int32_t ReadSetting(const char* name, const char* defaultText) {
  std::vector<char> value(constants::kSettingValueBufferSize, '\0');
  GetPrivateProfileStringA(name, name, defaultText, value.data(), static_cast<DWORD>(value.size()),
                           SettingsFilePath().c_str());
  return TextToInt(value.data());
}

void WriteSetting(const char* name, std::int32_t value) {
  char text[16];
  wsprintfA(text, "%d", value);
  // A read-only file or directory is not an error worth a word: the next start reads
  // whatever the file then holds.
  WritePrivateProfileStringA(name, name, text, SettingsFilePath().c_str());
}

void SaveSettings() {
  WriteSetting(constants::kOpacitySetting, 滑块条1.Position());
  WriteSetting(constants::kTintSetting, 滑块条2.Position());
  WriteSetting(constants::kStartAtLogonSetting, 滑块条3.Position());
}
