// The opacity slider's position as the percentage shown in the ring: position / 2.55,
// rounded half away from zero with a 1e-12 tolerance, printed with "%.13g" and "%".
#pragma once

#include <cmath>
#include <cstdio>
#include <string>

inline std::string FormatOpacityPercent(int position) {
  const double q = static_cast<double>(position) / 2.55;
  double rounded = q;
  if (q != 0) {
    const double magnitude = std::fabs(q) + 1e-12;
    double whole = 0;
    const double fraction = std::modf(magnitude, &whole);
    const double away = fraction >= 0.5 ? whole + 1 : whole;
    rounded = q < 0 ? -away : away;
  }
  char text[40];
  std::snprintf(text, sizeof text, "%.13g%%", rounded);
  return text;
}
