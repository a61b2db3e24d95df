#include "settings/start_at_logon.h"

#include <windows.h>

#include "app/constants.h"
#include "runtime/handles.h"
#include "settings/executable_path.h"
#include "settings/run_value_data.h"
#include "settings/settings_window.h"

namespace {

// The Run key's path and our value's name, split from the one text that holds both.
struct RunValueName {
  std::string keyPath;
  std::string valueName;
};

RunValueName SplitRunValuePath() {
  const SplitText split = SplitAtLastAnsiBackslash(constants::kRunValuePath);
  return {std::string(split.before), std::string(split.after)};
}

}  // namespace

void OnStartAtLogonChanged() {
  if (滑块条3.Position() == constants::kStartAtLogonOff) DeleteRunValue();
  if (滑块条3.Position() == constants::kStartAtLogonOn) {
    WriteRunValue(RunValueData(RunDirectory() + "\\" + ExecutableName()));
  }
}

bool WriteRunValue(const std::string& data) {
  const auto [keyPath, valueName] = SplitRunValuePath();
  runtime::unique_hkey key;
  if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, keyPath.c_str(), 0, KEY_WRITE, key.put()) !=
          ERROR_SUCCESS &&
      RegCreateKeyA(HKEY_LOCAL_MACHINE, keyPath.c_str(), key.put()) != ERROR_SUCCESS) {
    return false;
  }
  return RegSetValueExA(key.get(), valueName.c_str(), 0, REG_SZ,
                        reinterpret_cast<const BYTE*>(data.c_str()),
                        static_cast<DWORD>(data.size() + 1)) == ERROR_SUCCESS;
}

bool DeleteRunValue() {
  const auto [keyPath, valueName] = SplitRunValuePath();
  runtime::unique_hkey key;
  if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, keyPath.c_str(), 0, KEY_WRITE, key.put()) ==
          ERROR_SUCCESS &&
      RegDeleteValueA(key.get(), valueName.c_str()) == ERROR_SUCCESS) {
    return true;
  }
  key.reset();
  return RegDeleteKeyA(HKEY_LOCAL_MACHINE, constants::kRunValuePath) == ERROR_SUCCESS;
}
