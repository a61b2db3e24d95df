// Base of every control a layout places on a window: each one is a real child window,
// so what it shows can be read back with the ordinary window messages.
#pragma once

#include <windows.h>

#include "runtime/geometry.h"

namespace runtime {

using Routine = void (*)();

class Control {
 public:
  Control() = default;
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;
  virtual ~Control() = default;

  // Creates the child window; false if the system refused it.
  bool Create(HWND parent, const Rect& place);
  HWND Handle() const { return window_; }
  bool IsTabStop() const;

  // The control behind one of the windows this runtime created, or null.
  static Control* FromHandle(HWND window);

 protected:
  virtual HWND CreateWindowFor(HWND parent, const Rect& place) = 0;
  // After the window exists: fonts, ranges, positions.
  virtual void Configure() {}

 private:
  HWND window_ = nullptr;
};

}  // namespace runtime
