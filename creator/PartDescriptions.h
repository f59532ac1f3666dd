// What the form says about each part: name, size and pixel size of a picture; name, format and
// length of a sound.
#pragma once
#include <string>

#include "creator/SonpixDocument.h"

// "Закат.jpg, 99936 байт, 1600 x 1000" (the pixel size left out when the header cannot be read).
std::string DescribePicture(const TDraftPart& part);
// Three lines: the name, the format ("PCM, 1 канал, 22050 Гц, 16 бит") and the length ("2,0 с");
// or the name and why the sound cannot be read.
std::string DescribeSound(const TDraftPart& part);
// A length in seconds with one decimal: "2,0 с".
std::string SecondsText(double seconds);
