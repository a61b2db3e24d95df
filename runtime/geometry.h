// Arithmetic of the runtime's windows and controls, free of Win32 so it is testable anywhere.
#pragma once

#include <algorithm>

namespace runtime {

// A slider stores any written position in this range, whatever its own range is.
constexpr int kMinStoredPosition = 0;
constexpr int kMaxStoredPosition = 32767;

// Window edges and sizes set through the runtime are kept inside these bounds.
constexpr int kMaxEdge = 32627;
constexpr int kMaxExtent = 32627;

constexpr int ClampStoredPosition(int value) {
  return std::clamp(value, kMinStoredPosition, kMaxStoredPosition);
}
constexpr int ClampEdge(int value) { return std::clamp(value, -kMaxEdge, kMaxEdge); }
constexpr int ClampExtent(int value) { return std::clamp(value, 0, kMaxExtent); }

struct Rect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  friend constexpr bool operator==(const Rect& a, const Rect& b) {
    return a.left == b.left && a.top == b.top && a.width == b.width && a.height == b.height;
  }
};

// Where a window of the given outer size stands when centred on a screen.
constexpr Rect CentredOnScreen(int screenWidth, int screenHeight, int width, int height) {
  return {(screenWidth - width) / 2, (screenHeight - height) / 2, width, height};
}

// A picture shown in a box: centred at its natural size, or shrunk to fit keeping its
// proportions when it is larger than the box.
constexpr Rect FitCentred(int boxWidth, int boxHeight, int pictureWidth, int pictureHeight) {
  int width = pictureWidth;
  int height = pictureHeight;
  if (pictureWidth > boxWidth || pictureHeight > boxHeight) {
    // Compare the two scale factors without floating point: boxW/picW against boxH/picH.
    if (static_cast<long long>(boxWidth) * pictureHeight <=
        static_cast<long long>(boxHeight) * pictureWidth) {
      width = boxWidth;
      height = static_cast<int>(static_cast<long long>(pictureHeight) * boxWidth / pictureWidth);
    } else {
      height = boxHeight;
      width = static_cast<int>(static_cast<long long>(pictureWidth) * boxHeight / pictureHeight);
    }
  }
  return {(boxWidth - width) / 2, (boxHeight - height) / 2, width, height};
}

}  // namespace runtime
