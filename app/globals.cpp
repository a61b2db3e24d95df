#include "app/globals.h"

std::unique_ptr<LayeredPainter> PainterObject;
ULONG_PTR GdiplusToken = 0;
HWND OverlayHandle = nullptr;
std::vector<UINT_PTR> TimerIdList;

void InitGlobals() {
  PainterObject = std::make_unique<LayeredPainter>();
  TimerIdList.clear();
}

void ReleaseGlobals() {
  PainterObject.reset();
  // The timers themselves end with the process.
  std::vector<UINT_PTR>().swap(TimerIdList);
}
