// Encodes 24-bit blue-green-red rows as a colour JPEG file at the program's fixed quality.
#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

class TBgrImage;

constexpr int kJpegSaveQuality = 90;

// libjpeg's default settings at quality 90 (baseline-compatible tables), colour, baseline or
// progressive (libjpeg's simple progression script). EJPEG on an encoder error.
std::vector<std::uint8_t> EncodeJpeg(const TBgrImage& pixels, bool progressive);
