// A text without a background of its own: each paint first asks the parent to draw what
// lies beneath the label, so a changed text leaves no trace of the previous one.
#pragma once

#include "runtime/control.h"
#include "runtime/handles.h"

namespace runtime {

struct FontSpec {
  const wchar_t* face;
  int height;  // negative: character height in pixels
  int weight;
};

class TransparentLabel : public Control {
 public:
  TransparentLabel(const wchar_t* text, FontSpec font) : text_(text), fontSpec_(font) {}

  void SetText(const wchar_t* text);

  LRESULT WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

 protected:
  HWND CreateWindowFor(HWND parent, const Rect& place) override;

 private:
  void Paint(HWND window, HDC dc) const;

  const wchar_t* text_;
  FontSpec fontSpec_;
  unique_hfont font_;
};

}  // namespace runtime
