// What this process holds right now, read the same way by the repaint benchmark and the
// soak test, so that their figures can be compared.
#pragma once

#include <windows.h>
#include <psapi.h>

#include <cstdint>

namespace bench {

struct MemoryCounters {
  bool valid = false;
  std::uint64_t workingSet = 0;
  std::uint64_t peakWorkingSet = 0;
  std::uint64_t privateBytes = 0;
  // Which counter privateBytes came from, for the reports.
  const char* privateSource = "";
};

inline MemoryCounters ReadMemoryCounters() {
  PROCESS_MEMORY_COUNTERS_EX counters{};
  counters.cb = sizeof counters;
  MemoryCounters result;
  if (!GetProcessMemoryInfo(GetCurrentProcess(),
                            reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters),
                            sizeof counters)) {
    return result;
  }
  result.valid = true;
  result.workingSet = counters.WorkingSetSize;
  result.peakWorkingSet = counters.PeakWorkingSetSize;
  // Wine (8.0) fills only the basic structure and leaves PrivateUsage at zero. Its
  // PagefileUsage is the resident anonymous memory, which a leaked block that was written
  // to raises just the same; on Windows both fields carry the same commit charge.
  if (counters.PrivateUsage != 0) {
    result.privateBytes = counters.PrivateUsage;
    result.privateSource = "PrivateUsage";
  } else {
    result.privateBytes = counters.PagefileUsage;
    result.privateSource = "PagefileUsage (PrivateUsage reads 0)";
  }
  return result;
}

struct GdiObjectCount {
  unsigned count = 0;
  const char* source = "";
};

// Wine (8.0) answers GetGuiResources with 0 whatever the process holds, which would make
// a comparison of GDI objects pass whatever leaked. Its handle table does recognise a
// bare table index (no generation bits) as the live object at that slot, so there the
// objects are counted by asking GetObjectType about every index. Windows never reports
// 0 for a process with a window, so it keeps using its own count.
inline GdiObjectCount CountGdiObjects() {
  const DWORD reported = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
  if (reported != 0) return {static_cast<unsigned>(reported), "GetGuiResources"};
  unsigned live = 0;
  for (ULONG_PTR index = 1; index <= 0xFFFF; ++index) {
    if (GetObjectType(reinterpret_cast<HGDIOBJ>(index)) != 0) ++live;
  }
  return {live, "handle-table scan (GetGuiResources reads 0)"};
}

constexpr double kMiB = 1024.0 * 1024.0;

}  // namespace bench
