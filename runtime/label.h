// A one-line text on the window's face colour, in the default GUI font.
#pragma once

#include "runtime/control.h"

namespace runtime {

class Label : public Control {
 public:
  explicit Label(const wchar_t* text) : text_(text) {}

 protected:
  HWND CreateWindowFor(HWND parent, const Rect& place) override;
  void Configure() override;

 private:
  const wchar_t* text_;
};

}  // namespace runtime
