// Colour comparison for pixel tests and the quadrant pattern's probe points.
#include "tests/support/Colours.h"

#include <windows.h>

#include <cstdlib>

const TQuadrantProbe kQuadrantProbes[5] = {
    {0.10, 0.10, {220, 30, 30}}, {0.75, 0.25, {30, 200, 40}}, {0.75, 0.75, {40, 60, 220}},
    {0.25, 0.75, {230, 210, 30}}, {0.30, 0.30, {245, 245, 245}},
};

std::string ToString(const TRgb& c) {
    return "(" + std::to_string(c.r) + "," + std::to_string(c.g) + "," + std::to_string(c.b) + ")";
}

bool NearColour(const TRgb& a, const TRgb& b, int tolerance) {
    return std::abs(a.r - b.r) <= tolerance && std::abs(a.g - b.g) <= tolerance && std::abs(a.b - b.b) <= tolerance;
}

TRgb ButtonFaceColour() {
    const COLORREF c = GetSysColor(COLOR_BTNFACE);
    return {GetRValue(c), GetGValue(c), GetBValue(c)};
}
