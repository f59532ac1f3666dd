// Colours as tests read them off the screen, and where the quadrant test pattern has which colour.
#pragma once
#include <string>

struct TRgb {
    int r = 0, g = 0, b = 0;
};
std::string ToString(const TRgb& colour);
// Every component within tolerance of the other's.
bool NearColour(const TRgb& a, const TRgb& b, int tolerance);
// The system's button-face colour, the background of the viewer's picture boxes.
TRgb ButtonFaceColour();

// Colours of MakeQuadrants at fractions of the picture, clear of the white disc and of the borders.
struct TQuadrantProbe {
    double fx, fy;
    TRgb colour;
};
extern const TQuadrantProbe kQuadrantProbes[5];
