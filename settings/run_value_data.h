// The data of the Run value. Windows splits an unquoted command line at its first space
// and would try "C:\Program.exe" for "C:\Program Files\...", a well-known way to run
// someone else's program with our rights; the path is therefore always quoted.
#pragma once

#include <string>
#include <string_view>

inline std::string RunValueData(std::string_view executablePath) {
  std::string data;
  data.reserve(executablePath.size() + 2);
  data += '"';
  data += executablePath;
  data += '"';
  return data;
}
