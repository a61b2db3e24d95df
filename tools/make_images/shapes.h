#pragma once

#include <algorithm>
#include <cmath>

// Inside-tests for the few shapes the pictures are built from. Each is a
// predicate on a point, ready to be handed to fill().

constexpr float kPi = 3.14159265358979f;

struct Circle {
    float centreX;
    float centreY;
    float radius;

    bool operator()(float x, float y) const
    {
        return std::hypot(x - centreX, y - centreY) <= radius;
    }
};

struct RoundedRect {
    float left;
    float top;
    float right;
    float bottom;
    float cornerRadius;

    bool operator()(float x, float y) const
    {
        // Shrink the box by the corner radius; the shape is then every point
        // within that radius of the shrunken box.
        const float nearestX = std::clamp(x, left + cornerRadius, right - cornerRadius);
        const float nearestY = std::clamp(y, top + cornerRadius, bottom - cornerRadius);
        return std::hypot(x - nearestX, y - nearestY) <= cornerRadius;
    }
};

// A stroke along a circular arc with round ends. Angles are in radians,
// measured from the +x axis towards +y (downwards on screen).
struct Arc {
    float centreX;
    float centreY;
    float radius;
    float thickness;
    float direction; // angle of the arc's midpoint
    float halfSpan;  // the arc runs from direction - halfSpan to direction + halfSpan

    bool operator()(float x, float y) const
    {
        return distanceToCentreLine(x, y) <= thickness / 2.0f;
    }

private:
    float distanceToCentreLine(float x, float y) const
    {
        const float dx = x - centreX;
        const float dy = y - centreY;
        const float offset = std::remainder(std::atan2(dy, dx) - direction, 2.0f * kPi);
        if (std::fabs(offset) <= halfSpan) {
            return std::fabs(std::hypot(dx, dy) - radius);
        }
        // Beyond the arc's ends the nearest point is the end on that side.
        const float endAngle = direction + std::copysign(halfSpan, offset);
        return std::hypot(dx - radius * std::cos(endAngle), dy - radius * std::sin(endAngle));
    }
};
