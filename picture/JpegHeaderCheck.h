// Reads a JPEG picture's facts from its header and tells whether the viewer's decoder accepts it.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>

struct TJpegFacts {
    int width = 0;
    int height = 0;
    int components = 0;
    std::string colour;  // "grey", "YCbCr", "RGB", "CMYK", "YCCK" or "unknown"
    bool progressive = false;
};

// The header's facts (up to the first scan, no pixels decoded); false with a reason in error
// when libjpeg cannot parse the header.
bool ReadJpegFacts(const std::uint8_t* data, std::size_t size, TJpegFacts& facts, std::string& error);

// Why the viewer's decoder would refuse the picture, or empty when it shows it. Runs every step
// of the viewer's decode that can fail, with the same settings and limits: the header, the size
// limit, the decoder's set-up for 24-bit output, and the reading of every scan of a picture with
// more than one. Only the row output is left out, which cannot fail once these steps pass: from
// then on libjpeg treats damaged or missing data as a warning and shows grey.
std::string FindJpegFault(const std::uint8_t* data, std::size_t size);
