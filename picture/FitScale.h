// The size at which a picture fits a box while keeping its aspect ratio (pure arithmetic).
#pragma once

struct TFitSize {
    int width = 0;
    int height = 0;
};

// Scales a W x H picture so that it fits the MaxWidth x MaxHeight box and touches it on at least
// one side, enlarging small pictures as well as reducing large ones:
// - landscape (H < W): r = MaxWidth / W, or MaxHeight / H when round(H * r) would exceed MaxHeight;
// - portrait (H > W): r = MaxHeight / H, or MaxWidth / W when round(W * r) would exceed MaxWidth;
// - square (H = W): r = MaxHeight / H, with no test against the width (the viewer's boxes are all
//   wider than high, so a square becomes a square of the box's height);
// and gives round(W * r) x round(H * r), rounding halves to the even neighbour. A side that would
// round to 0 (a very thin picture) is kept at 1 pixel. A picture or box without area gives 0 x 0.
TFitSize FitScale(int W, int H, int MaxWidth, int MaxHeight);
