// Scratch folder and file helpers for the picture tests.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

#include "tests/support/JpegCodec.h"
#include "tests/support/ProcessCounters.h"
#include "tests/support/SampleImages.h"
#include "tests/support/SonpixWriter.h"
#include "tests/support/TestFolder.h"

// A fresh folder under the temporary folder, removed with its files at the end.
using TScratchFolder = TTestFolder;

// Writes a JPEG of the image and returns its path.
std::string WriteJpeg(const TScratchFolder& folder, const std::string& name, const TRgbImage& image,
                      bool progressive = false, int quality = 92);
// Reads and decodes a JPEG file with the test-side codec.
TDecodedJpeg ReadJpeg(const std::string& path);

// The pixels of a bitmap as RGB, read through a 24-bit top-down DIB.
TRgbImage BitmapPixels(HBITMAP bitmap);

// Truncations, random byte flips and damaged markers of a few good JPEG files (about 1,500).
std::vector<TBytes> DamagedFiles();
