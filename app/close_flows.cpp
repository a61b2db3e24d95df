#include "app/close_flows.h"

#include <windows.h>
#include <gdiplus.h>

#include "app/globals.h"
#include "overlay/overlay_window.h"
#include "runtime/application.h"
#include "settings/settings_file.h"
#include "settings/settings_window.h"

void OnSettingsWindowCanClose() {
  SaveSettings();
  if (OverlayWindow.IsCreated()) OverlayWindow.Destroy();
  runtime::EndProgram(0);
}

void OnOverlayWindowCanClose() {
  ShutdownGdiplus();
  if (SettingsWindow.IsCreated()) SettingsWindow.Destroy();
  runtime::EndProgram(0);
}

void ShutdownGdiplus() { Gdiplus::GdiplusShutdown(GdiplusToken); }
