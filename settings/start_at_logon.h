// Start at logon: our value under the machine-wide Run key, written or deleted whenever
// the user moves 滑块条3. Nothing reads it back.
#pragma once

#include <string>

void OnStartAtLogonChanged();
bool WriteRunValue(const std::string& data);
bool DeleteRunValue();
