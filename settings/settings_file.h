// config.ini beside the executable: one section per setting, its key of the same name.
#pragma once

#include <cstdint>

std::int32_t ReadSetting(const char* name, const char* defaultText);
void WriteSetting(const char* name, std::int32_t value);
// Writes the three slider positions: opacity, tint, start at logon.
void SaveSettings();
