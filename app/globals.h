// The process's shared state: created by InitGlobals, released by the exit routine.
#pragma once

#include <windows.h>

#include <memory>
#include <vector>

#include "overlay/layered_painter.h"

extern std::unique_ptr<LayeredPainter> PainterObject;
// The token of the latest start of GDI+; only this one is ever shut down.
extern ULONG_PTR GdiplusToken;
extern HWND OverlayHandle;
// Every thread timer the program started, in order; it only grows.
extern std::vector<UINT_PTR> TimerIdList;

void InitGlobals();
void ReleaseGlobals();
