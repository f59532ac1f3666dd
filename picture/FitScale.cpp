// Fitting a picture's size into a box: the scale rule and its rounding.
#include "picture/FitScale.h"

#include <algorithm>
#include <cmath>

namespace {

// Nearest integer, a tie going to the even neighbour (the processor's default rounding mode).
long long RoundHalfEven(double x) {
    return static_cast<long long>(std::nearbyint(x));
}

int AtLeastOnePixel(long long side) {
    return static_cast<int>(std::max(1LL, side));
}

}  // namespace

TFitSize FitScale(int W, int H, int MaxWidth, int MaxHeight) {
    if (W <= 0 || H <= 0 || MaxWidth <= 0 || MaxHeight <= 0) return {};
    const double w = W;
    const double h = H;
    double r;
    if (H > W) {
        r = MaxHeight / h;
        if (MaxWidth < RoundHalfEven(w * r)) r = MaxWidth / w;
    } else if (H == W) {
        // A square takes the box's height; the viewer's boxes are all wider than high.
        r = MaxHeight / h;
    } else {
        r = MaxWidth / w;
        if (MaxHeight < RoundHalfEven(h * r)) r = MaxHeight / h;
    }
    return {AtLeastOnePixel(RoundHalfEven(w * r)), AtLeastOnePixel(RoundHalfEven(h * r))};
}
