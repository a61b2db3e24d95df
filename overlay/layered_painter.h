// Puts a PNG image held in memory onto a layered window, and switches click-through.
// Stateless: every DC, bitmap and GDI+ object of a paint belongs to that paint alone.
#pragma once

#include <windows.h>

#include <memory>
#include <string_view>

namespace runtime {
class Form;
}

class LayeredPainter {
 public:
  LayeredPainter() = default;
  virtual ~LayeredPainter() = default;
  virtual std::unique_ptr<LayeredPainter> Clone() const;

  // Decodes the image, sizes the window to it and shows it centred on the primary screen
  // at the constant alpha (low 8 bits; 0 means opaque). False when the image is not a PNG
  // (the window is then untouched) or the system refused the update. GDI+ must be started.
  virtual bool PaintPng(HWND window, std::string_view image, int alpha) const;
  // Flag 1 lets mouse input pass through the window; any other flag leaves the extended
  // style exactly WS_EX_LAYERED.
  virtual void SetClickThrough(HWND window, int flag) const;
  // Flag 1 puts the window under the desktop's Program Manager window; any other flag
  // makes it a top-level window again.
  virtual void AttachToDesktop(runtime::Form& window, int flag) const;
  // Makes the window's magenta pixels transparent; the skin flag 0 turns the control skin
  // off, otherwise the style chooses it.
  virtual void SetColorKey(runtime::Form& window, int style, int skinFlag, int alpha) const;

 protected:
  LayeredPainter(const LayeredPainter&) = default;
  LayeredPainter& operator=(const LayeredPainter&) = default;
};

// Starts GDI+ and keeps the new token in GdiplusToken; called before every repaint.
void StartupGdiplus();
