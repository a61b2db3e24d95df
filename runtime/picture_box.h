// A box filled with one colour that shows a PNG picture centred in it (shrunk to fit,
// keeping its proportions, when it is larger than the box). Children drawn without a
// background of their own ask it for what lies beneath them (WM_PRINTCLIENT).
#pragma once

#include <string_view>

#include "runtime/control.h"
#include "runtime/png_image.h"

namespace runtime {

class PictureBox : public Control {
 public:
  // The picture's bytes are read from the executable's RCDATA resource of that id.
  PictureBox(COLORREF background, int pictureResource)
      : background_(background), pictureResource_(pictureResource) {}

  LRESULT WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

 protected:
  HWND CreateWindowFor(HWND parent, const Rect& place) override;

 private:
  void Paint(HWND window, HDC dc) const;

  COLORREF background_;
  int pictureResource_;
  PixelImage picture_;
};

}  // namespace runtime
