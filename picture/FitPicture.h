// FitPictureFile: writes a JPEG copy of a picture scaled to fit a box.
#pragma once
#include <string>

// Makes Target a JPEG copy of the JPEG picture Source at the size FitScale gives for the
// MaxWidth x MaxHeight box, scaled with the platform's plain stretch copy (no smoothing) and saved
// at quality 90, progressive exactly when Source is. A missing Source leaves Target untouched;
// otherwise Target is deleted first and no new one is written when Source is empty (0 x 0) or the
// box has no area. The codec's errors (EJPEG, EFOpenError) pass to the caller; every bitmap,
// device context and picture is released on every way out.
void FitPictureFile(const std::string& Source, const std::string& Target, int MaxWidth, int MaxHeight);
