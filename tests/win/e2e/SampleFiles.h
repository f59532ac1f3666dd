// Sonpix files for the black-box tests: real JPEG pictures and WAV sounds, so that the viewer
// can show and play what it extracts without reporting an error.
#pragma once
#include <string>

#include "tests/support/Colours.h"
#include "tests/support/SonpixWriter.h"

// A baseline colour JPEG of the given size (a gradient seeded by shade, so that files differ).
TBytes SampleJpeg(int width, int height, int shade);
// A short quiet tone as a WAV file.
TBytes SampleWav(double frequencyHz);
// A JPEG of one colour all over.
TBytes FlatJpeg(int width, int height, const TRgb& colour);
// A tone whose first loudSeconds are loud (level kHeadLevel and more when played) and whose rest
// up to seconds is soft: hearing the loud head shows that the sound started from its beginning.
TBytes HeadMarkedWav(double seconds, double loudSeconds = 0.4);
constexpr int kHeadLevel = 12000;

// A complete Sonpix file with a picture, a sound, a maker's picture and the maker's text.
TSonpixFileParts SampleParts(int shade, const std::string& makerText);
// Writes BuildSonpix(parts) to path; false on failure.
bool WriteSonpix(const std::string& path, const TSonpixFileParts& parts);
