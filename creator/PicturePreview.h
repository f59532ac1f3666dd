// The preview of a JPEG part: decoded and fitted into a box, never enlarged.
#pragma once
#include <cstdint>
#include <vector>

#include "sys/GdiObjects.h"

// The picture decoded at full size and drawn at PreviewSize into a new 24-bit bitmap with the
// platform's plain stretch copy, as the viewer draws its fitted copies. EJPEG when the picture
// cannot be decoded.
TBitmapHandle FittedPreview(const std::vector<std::uint8_t>& jpeg, int boxWidth, int boxHeight);
