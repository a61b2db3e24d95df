// A horizontal slider over the common-controls track bar. It keeps its own stored
// position apart from the thumb: a written value outside the range is remembered as
// written while the thumb shows the nearer end.
#pragma once

#include "runtime/control.h"

namespace runtime {

enum class TickMarks { None, Below };

struct SliderStyle {
  int minimum = 0;
  int maximum = 0;
  int position = 0;  // the position stored in the layout
  TickMarks ticks = TickMarks::None;
};

class Slider : public Control {
 public:
  Slider(SliderStyle style, Routine onPositionChanged)
      : style_(style), onPositionChanged_(onPositionChanged) {}

  int Position() const { return stored_; }
  // Stores the value clamped to what a slider can hold and moves the thumb to it,
  // clamped into the range. Raises nothing.
  void SetPosition(int value);

  // A scroll notification from the track bar, with WM_HSCROLL's code and thumb word.
  void OnScroll(int code, int thumbWord);

 protected:
  HWND CreateWindowFor(HWND parent, const Rect& place) override;
  void Configure() override;

 private:
  SliderStyle style_;
  Routine onPositionChanged_;
  int stored_ = 0;
};

}  // namespace runtime
