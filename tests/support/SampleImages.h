// RGB pictures drawn in code for tests, samples and benchmarks.
#pragma once
#include <array>
#include <cstdint>
#include <vector>

// Pixels in red-green-blue order, rows top first, no padding.
struct TRgbImage {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> rgb;

    TRgbImage() = default;
    TRgbImage(int w, int h) : width(w), height(h), rgb(static_cast<std::size_t>(w) * h * 3) {}
    std::uint8_t* At(int x, int y) { return rgb.data() + (static_cast<std::size_t>(y) * width + x) * 3; }
    const std::uint8_t* At(int x, int y) const { return rgb.data() + (static_cast<std::size_t>(y) * width + x) * 3; }
    void Set(int x, int y, double r, double g, double b);  // components 0..255, clamped
};

using TMeanColour = std::array<double, 3>;

// Mean colour of the pixels in [x0, x1) x [y0, y1).
TMeanColour MeanColour(const TRgbImage& image, int x0, int y0, int x1, int y1);
// Mean colours of a grid of blocks covering the whole picture, row by row.
std::vector<TMeanColour> BlockMeans(const TRgbImage& image, int columns, int rows);

// Test patterns.
TRgbImage MakeGradient(int width, int height);                  // red across, green down, blue diagonal
TRgbImage MakeCheckerboard(int width, int height, int cell);    // black and white cells
TRgbImage MakeStripes(int width, int height, int period, bool vertical);
// Four flat quadrants of different colours (red, green, blue, yellow from top left, clockwise) with
// a white disc off-centre to the upper left: any mirroring, turning or mixing up of rows shows.
TRgbImage MakeQuadrants(int width, int height);

// Pictures for sample files: a sunset over mountains and a lake, a lighthouse under the moon
// (meant to be upright), a flower, northern lights, and a maker's badge.
TRgbImage MakeSunset(int width, int height);
TRgbImage MakeLighthouse(int width, int height);
TRgbImage MakeFlower(int width, int height);
TRgbImage MakeAurora(int width, int height);
TRgbImage MakeMakerBadge(int width, int height);

// Adds a camera sensor's grain (up to ±8 per component, a fixed sequence for each seed): the fine
// detail that makes a drawn scene cost what a photograph costs to encode and decode.
void AddSensorNoise(TRgbImage& image, unsigned seed);
