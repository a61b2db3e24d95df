// The program's fixed names and numbers, in one place.
#pragma once

namespace constants {

// Settings file beside the executable. Section and key names are GBK bytes handed
// unchanged to the ANSI profile functions, so files written on any system read back.
inline constexpr char kSettingsFile[] = "\\config.ini";
inline constexpr char kOpacitySetting[] = "\xC1\xC1\xB6\xC8";                       // 亮度
inline constexpr char kTintSetting[] = "\xD1\xD5\xC9\xAB";                          // 颜色
inline constexpr char kStartAtLogonSetting[] = "\xCA\xC7\xB7\xF1\xD7\xD4\xC6\xF4";  // 是否自启
inline constexpr char kOpacityDefault[] = "0";
inline constexpr char kTintDefault[] = "0";
inline constexpr char kStartAtLogonDefault[] = "1";
inline constexpr int kSettingValueBufferSize = 10240;

// Start at logon: the Run key's path and our value's name, kept as one text.
inline constexpr char kRunValuePath[] =
    "software\\microsoft\\windows\\CurrentVersion\\Run\\Vireshade";
inline constexpr int kStartAtLogonOff = 1;
inline constexpr int kStartAtLogonOn = 2;

// The overlay is raised back to the top of the topmost band this often.
inline constexpr unsigned kTopmostKeeperIntervalMs = 50;

inline constexpr int kTintPresetCount = 5;

}  // namespace constants
