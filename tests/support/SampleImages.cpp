// Drawing of test patterns and of the sample pictures, pixel by pixel.
#include "SampleImages.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double kPi = 3.14159265358979323846;

double Clamp01(double v) { return std::min(1.0, std::max(0.0, v)); }
double Mix(double a, double b, double t) { return a + (b - a) * t; }
double SmoothStep(double e0, double e1, double x) {
    const double t = Clamp01((x - e0) / (e1 - e0));
    return t * t * (3 - 2 * t);
}

struct TColour {
    double r, g, b;
};
TColour Mix(const TColour& a, const TColour& b, double t) {
    return {Mix(a.r, b.r, t), Mix(a.g, b.g, t), Mix(a.b, b.b, t)};
}
TColour Scale(const TColour& c, double k) { return {c.r * k, c.g * k, c.b * k}; }
TColour Add(const TColour& a, const TColour& b) { return {a.r + b.r, a.g + b.g, a.b + b.b}; }

// Colour along a list of stops at positions 0..1.
struct TStop {
    double at;
    TColour colour;
};
template <std::size_t N>
TColour Ramp(const TStop (&stops)[N], double t) {
    if (t <= stops[0].at) return stops[0].colour;
    for (std::size_t i = 1; i < N; ++i)
        if (t <= stops[i].at)
            return Mix(stops[i - 1].colour, stops[i].colour, (t - stops[i - 1].at) / (stops[i].at - stops[i - 1].at));
    return stops[N - 1].colour;
}

// Deterministic pseudo-random value in [0, 1) for integer coordinates.
double Hash(int x, int y, int seed) {
    std::uint32_t h = static_cast<std::uint32_t>(x) * 374761393u + static_cast<std::uint32_t>(y) * 668265263u +
                      static_cast<std::uint32_t>(seed) * 2246822519u;
    h = (h ^ (h >> 13)) * 1274126177u;
    h ^= h >> 16;
    return (h & 0xFFFFFF) / double(0x1000000);
}

// Smooth one-dimensional noise and its fractal sum, for ridges and ripples.
double Noise1(double x, int seed) {
    const int i = static_cast<int>(std::floor(x));
    const double f = x - i;
    const double t = f * f * (3 - 2 * f);
    return Mix(Hash(i, 0, seed), Hash(i + 1, 0, seed), t);
}
double Fractal1(double x, int seed) {
    double sum = 0, amplitude = 0.5;
    for (int octave = 0; octave < 5; ++octave) {
        sum += amplitude * Noise1(x, seed + octave * 17);
        x *= 2.03;
        amplitude *= 0.5;
    }
    return sum;
}

// A star field: sparse points whose brightness falls with the given fraction of sky.
double Star(int x, int y, int seed, double density) {
    const double h = Hash(x, y, seed);
    if (h > density) return 0;
    return 0.4 + 0.6 * Hash(x, y, seed + 1);
}

}  // namespace

void TRgbImage::Set(int x, int y, double r, double g, double b) {
    std::uint8_t* p = At(x, y);
    p[0] = static_cast<std::uint8_t>(std::lround(std::min(255.0, std::max(0.0, r))));
    p[1] = static_cast<std::uint8_t>(std::lround(std::min(255.0, std::max(0.0, g))));
    p[2] = static_cast<std::uint8_t>(std::lround(std::min(255.0, std::max(0.0, b))));
}

TMeanColour MeanColour(const TRgbImage& image, int x0, int y0, int x1, int y1) {
    TMeanColour sum{0, 0, 0};
    const double count = double(x1 - x0) * (y1 - y0);
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x)
            for (int c = 0; c < 3; ++c) sum[c] += image.At(x, y)[c];
    for (double& v : sum) v = count > 0 ? v / count : 0;
    return sum;
}

std::vector<TMeanColour> BlockMeans(const TRgbImage& image, int columns, int rows) {
    std::vector<TMeanColour> means;
    for (int row = 0; row < rows; ++row)
        for (int column = 0; column < columns; ++column)
            means.push_back(MeanColour(image, image.width * column / columns, image.height * row / rows,
                                       image.width * (column + 1) / columns, image.height * (row + 1) / rows));
    return means;
}

TRgbImage MakeGradient(int width, int height) {
    TRgbImage image(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.Set(x, y, 255.0 * x / std::max(1, width - 1), 255.0 * y / std::max(1, height - 1),
                      255.0 * (x + y) / std::max(1, width + height - 2));
    return image;
}

TRgbImage MakeCheckerboard(int width, int height, int cell) {
    TRgbImage image(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const double v = ((x / cell + y / cell) % 2) ? 255 : 0;
            image.Set(x, y, v, v, v);
        }
    return image;
}

TRgbImage MakeStripes(int width, int height, int period, bool vertical) {
    TRgbImage image(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const int i = ((vertical ? x : y) / period) % 3;
            image.Set(x, y, i == 0 ? 230 : 20, i == 1 ? 230 : 20, i == 2 ? 230 : 20);
        }
    return image;
}

TRgbImage MakeQuadrants(int width, int height) {
    TRgbImage image(width, height);
    const double cx = width * 0.3, cy = height * 0.3, radius = std::min(width, height) * 0.12;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const bool right = x >= width / 2, bottom = y >= height / 2;
            TColour c = !bottom ? (!right ? TColour{220, 30, 30} : TColour{30, 200, 40})
                                : (right ? TColour{40, 60, 220} : TColour{230, 210, 30});
            if (std::hypot(x + 0.5 - cx, y + 0.5 - cy) < radius) c = {245, 245, 245};
            image.Set(x, y, c.r, c.g, c.b);
        }
    return image;
}

TRgbImage MakeSunset(int width, int height) {
    TRgbImage image(width, height);
    const TStop sky[] = {{0.0, {38, 28, 92}},   {0.30, {128, 52, 118}}, {0.50, {226, 98, 86}},
                         {0.63, {251, 168, 82}}, {0.70, {255, 216, 130}}};
    const double horizon = 0.70, sunX = 0.62, sunY = 0.55, sunRadius = 0.075;
    for (int y = 0; y < height; ++y) {
        const double v = (y + 0.5) / height;
        for (int x = 0; x < width; ++x) {
            const double u = (x + 0.5) / width;
            const double aspect = double(width) / height;
            TColour c;
            if (v < horizon) {
                c = Ramp(sky, v);
                const double d = std::hypot((u - sunX) * aspect, v - sunY);
                c = Add(c, Scale({255, 170, 90}, 0.55 * std::exp(-d * 7)));
                if (d < sunRadius) c = Mix(c, {255, 244, 200}, SmoothStep(sunRadius, sunRadius * 0.92, d));
                // Thin clouds drifting across the upper sky.
                const double cloud = Fractal1(u * 9 + v * 3, 5) * SmoothStep(0.45, 0.15, std::abs(v - 0.38));
                c = Mix(c, {250, 140, 120}, Clamp01((cloud - 0.48) * 2.2) * 0.7);
                // Far ridge, then near hills, dark against the glow.
                const double far = 0.56 + 0.10 * Fractal1(u * 4.0, 11);
                const double near = 0.62 + 0.08 * Fractal1(u * 6.0 + 3, 23);
                if (v > far) c = Mix({92, 48, 98}, {70, 36, 80}, Clamp01((v - far) * 6));
                if (v > near) c = Mix({44, 24, 58}, {30, 16, 40}, Clamp01((v - near) * 8));
            } else {
                // The lake mirrors the sky, darker, broken by ripples.
                const double depth = (v - horizon) / (1 - horizon);
                const double ripple = 0.004 * std::sin(v * 900 / (1 + depth * 3) + Fractal1(u * 30, 7) * 6);
                const double mirrored = std::max(0.0, 2 * horizon - v + ripple);
                c = Scale(Ramp(sky, mirrored), 0.72 - 0.25 * depth);
                const double streak = std::exp(-std::pow((u - sunX) * aspect / (0.05 + 0.12 * depth), 2));
                const double glitter = 0.5 + 0.5 * std::sin(v * 1400 / (1 + depth * 4) + u * 40);
                c = Add(c, Scale({255, 210, 140}, 0.8 * streak * glitter * (1 - 0.6 * depth)));
                const double shoreReflection = horizon + (horizon - (0.62 + 0.08 * Fractal1(u * 6.0 + 3, 23)));
                if (v < shoreReflection) c = Mix(c, {26, 14, 36}, 0.75);
            }
            image.Set(x, y, c.r, c.g, c.b);
        }
    }
    return image;
}

TRgbImage MakeLighthouse(int width, int height) {
    TRgbImage image(width, height);
    const TStop sky[] = {{0.0, {6, 10, 36}}, {0.55, {18, 40, 88}}, {0.78, {44, 92, 130}}};
    const double sea = 0.78, towerX = 0.36, towerTop = 0.30, towerBase = 0.70;
    const double aspect = double(width) / height;
    for (int y = 0; y < height; ++y) {
        const double v = (y + 0.5) / height;
        for (int x = 0; x < width; ++x) {
            const double u = (x + 0.5) / width;
            TColour c = Ramp(sky, v);
            if (v < sea) {
                c = Add(c, Scale({255, 255, 240}, Star(x, y, 3, 0.0025) * SmoothStep(0.7, 0.2, v)));
                // Moon with a soft halo.
                const double dm = std::hypot((u - 0.74) * aspect, v - 0.14);
                c = Add(c, Scale({120, 140, 170}, 0.6 * std::exp(-dm * 9)));
                if (dm < 0.06) c = Mix(c, {236, 232, 210}, SmoothStep(0.06, 0.055, dm));
                // Beam of light sweeping to the right from the lamp.
                const double dx = (u - towerX) * aspect, dy = v - towerTop + 0.02;
                if (dx > 0) {
                    const double angle = std::atan2(dy, dx);
                    c = Add(c, Scale({255, 236, 160}, 0.45 * std::exp(-std::pow((angle + 0.06) / 0.07, 2)) *
                                                          std::exp(-dx * 0.8)));
                }
            } else {
                const double depth = (v - sea) / (1 - sea);
                c = Mix({24, 54, 86}, {8, 20, 40}, depth);
                const double glitter = Clamp01(std::sin(v * 700 / (1 + 2 * depth) + 20 * Fractal1(u * 25, 9)) - 0.6) * 2.5;
                c = Add(c, Scale({220, 220, 200}, glitter * std::exp(-std::pow((u - 0.74) / (0.06 + 0.2 * depth), 2))));
            }
            // Cliff on the left, the tower standing on it.
            const double cliff = 0.70 + 0.05 * Fractal1(u * 8, 31) + SmoothStep(0.45, 0.75, u) * 0.2;
            if (v > cliff && v < 1.0) c = Mix({34, 30, 36}, {18, 16, 22}, Clamp01((v - cliff) * 5 + Fractal1(u * 40 + v * 20, 2) * 0.3));
            const double halfWidth = Mix(0.030, 0.048, Clamp01((v - towerTop) / (towerBase - towerTop))) * (1 / aspect) * 0.75;
            if (v > towerTop && v < towerBase + 0.02 && std::abs(u - towerX) < halfWidth * aspect) {
                const bool red = static_cast<int>((v - towerTop) / 0.06) % 2 == 1;
                const double shade = 0.55 + 0.45 * Clamp01(1 - (u - towerX) / (halfWidth * aspect) * 0.8);
                c = Scale(red ? TColour{190, 40, 40} : TColour{235, 235, 230}, shade);
            }
            // Lamp room and roof.
            if (v > towerTop - 0.035 && v <= towerTop && std::abs(u - towerX) < 0.024 * 0.75 / aspect * aspect * 1.1)
                c = {255, 236, 150};
            if (v > towerTop - 0.06 && v <= towerTop - 0.035 &&
                std::abs(u - towerX) < (v - (towerTop - 0.06)) * 0.9)
                c = {60, 40, 40};
            image.Set(x, y, c.r, c.g, c.b);
        }
    }
    return image;
}

TRgbImage MakeFlower(int width, int height) {
    TRgbImage image(width, height);
    const double size = std::min(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const double dx = (x + 0.5 - width / 2.0) / size, dy = (y + 0.5 - height / 2.0) / size;
            const double r = std::hypot(dx, dy), angle = std::atan2(dy, dx);
            TColour c = Mix({170, 210, 120}, {40, 96, 50}, Clamp01(r * 1.5));
            c = Add(c, Scale({30, 30, 10}, Fractal1(angle * 6 + r * 20, 4) - 0.5));
            // Two rings of petals, the inner ones turned by half a petal.
            for (int ring = 0; ring < 2; ++ring) {
                const double petals = 8, turn = ring * kPi / petals;
                const double edge = (ring == 0 ? 0.44 : 0.30) * (0.62 + 0.38 * std::abs(std::cos(petals / 2 * (angle + turn))));
                if (r < edge) {
                    const double along = r / edge;
                    const TColour inner = ring == 0 ? TColour{250, 120, 170} : TColour{255, 170, 205};
                    const TColour outer = ring == 0 ? TColour{196, 30, 110} : TColour{235, 80, 150};
                    c = Mix(inner, outer, along);
                    const double vein = std::pow(std::abs(std::sin(petals / 2 * (angle + turn) * 6)), 8) * 0.15;
                    c = Scale(c, 1 - vein - 0.25 * SmoothStep(0.9, 1.0, along));
                }
            }
            if (r < 0.09) {
                c = Mix({255, 220, 60}, {200, 130, 20}, r / 0.09);
                if (Hash(static_cast<int>(dx * 160), static_cast<int>(dy * 160), 8) < 0.3) c = Scale(c, 0.75);
            }
            image.Set(x, y, c.r, c.g, c.b);
        }
    return image;
}

TRgbImage MakeAurora(int width, int height) {
    TRgbImage image(width, height);
    const double aspect = double(width) / height;
    for (int y = 0; y < height; ++y) {
        const double v = (y + 0.5) / height;
        for (int x = 0; x < width; ++x) {
            const double u = (x + 0.5) / width;
            TColour c = Mix({4, 8, 24}, {14, 32, 56}, v);
            c = Add(c, Scale({255, 255, 255}, Star(x, y, 13, 0.002)));
            // Curtains: bright lower edges along wavy lines, fading upwards, green to violet.
            for (int band = 0; band < 3; ++band) {
                const double base = 0.42 + 0.12 * band + 0.07 * std::sin(u * aspect * (3 + band) + band * 2) +
                                    0.05 * Fractal1(u * 6 + band * 10, 40 + band);
                const double above = base - v;
                if (above > -0.01) {
                    const double glow = std::exp(-std::max(0.0, above) * (9 + 3 * band)) * SmoothStep(-0.01, 0.01, above);
                    const double rays = 0.6 + 0.4 * std::sin(u * 260 + 30 * Fractal1(u * 9, 50 + band));
                    const TColour tint = Mix({60, 255, 140}, {150, 90, 255}, Clamp01(above * 3 + band * 0.25));
                    c = Add(c, Scale(tint, 0.55 * glow * rays / (1 + band * 0.4)));
                }
            }
            // Snowy hills and a row of firs along them.
            const double hill = 0.80 + 0.07 * Fractal1(u * 3, 60);
            if (v > hill) c = Mix({150, 170, 200}, {90, 110, 150}, Clamp01((v - hill) * 4));
            const double slot = u * 26, local = slot - std::floor(slot);
            const double treeHeight = 0.05 + 0.06 * Hash(static_cast<int>(slot), 1, 70);
            const double treeBase = 0.80 + 0.07 * Fractal1((std::floor(slot) + 0.5) / 26 * 3, 60) + 0.01;
            const double treeTop = treeBase - treeHeight;
            if (v > treeTop && v < treeBase && std::abs(local - 0.5) < (v - treeTop) / treeHeight * 0.32 * aspect / 2.6)
                c = {8, 20, 20};
            image.Set(x, y, c.r, c.g, c.b);
        }
    }
    return image;
}

TRgbImage MakeMakerBadge(int width, int height) {
    TRgbImage image(width, height);
    const double cx = height * 0.5, cy = height * 0.5, radius = height * 0.42;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const double u = (x + 0.5) / width, v = (y + 0.5) / height;
            TColour c = Mix({26, 70, 140}, {90, 170, 210}, Clamp01(u * 0.8 + v * 0.2));
            // Waves running to the right of the portrait.
            for (int wave = 0; wave < 3; ++wave) {
                const double line = 0.5 + 0.22 * std::sin(x * 0.045 + wave * 2.1) * (wave + 1) / 3;
                c = Add(c, Scale({255, 255, 255}, 0.22 * std::exp(-std::pow((v - line) * height / 1.6, 2))));
            }
            // Head and shoulders inside a round frame.
            const double dx = x + 0.5 - cx, dy = y + 0.5 - cy, d = std::hypot(dx, dy);
            if (d < radius * 1.08) c = {250, 240, 220};
            if (d < radius) {
                c = {238, 200, 120};
                const bool head = std::hypot(dx, dy + radius * 0.22) < radius * 0.38;
                const bool shoulders = dy > radius * 0.25 && std::hypot(dx / 1.5, dy - radius * 0.95) < radius * 0.62;
                if (head || shoulders) c = {60, 44, 40};
            }
            image.Set(x, y, c.r, c.g, c.b);
        }
    return image;
}

void AddSensorNoise(TRgbImage& image, unsigned seed) {
    unsigned state = seed * 2654435761u + 1;
    for (std::uint8_t& value : image.rgb) {
        state = state * 1664525u + 1013904223u;
        const int noisy = value + static_cast<int>((state >> 24) % 17) - 8;
        value = static_cast<std::uint8_t>(std::clamp(noisy, 0, 255));
    }
}
