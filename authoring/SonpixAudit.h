// Everything known about one Sonpix file as the viewer reads it: where it finds its sections, what
// they hold, and each reason the viewer would not show the file as its maker meant it.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "authoring/SonpixBytes.h"
#include "authoring/WavFacts.h"
#include "container/SonpixLayout.h"
#include "picture/JpegHeaderCheck.h"

struct TProblem {
    std::int64_t offset = 0;  // byte offset in the Sonpix file the problem stands at
    std::string text;
};

struct TSonpixInspection {
    std::size_t size = 0;
    bool sonpix = false;  // the header is there; nothing else is filled otherwise
    SonpixMarkers markers;
    SonpixSections sections;

    bool pictureRead = false;
    TJpegFacts picture;
    std::string pictureError;
    bool soundRead = false;
    TWavFacts sound;
    std::string soundError;
    bool makerPictureRead = false;
    TJpegFacts makerPicture;
    std::string makerPictureError;
    std::string makerText;  // Windows-1251 bytes, as stored

    std::vector<TProblem> problems;  // filled by the full check only, in offset order
};

enum class TInspectDepth {
    facts,     // sections and header facts, for reporting
    problems,  // also every check the viewer's reading and showing would fail
};

TSonpixInspection InspectSonpix(const std::uint8_t* data, std::size_t size, TInspectDepth depth);
// The same, read through file: the pieces of a file not yet written give the answer the file will.
TSonpixInspection InspectSonpix(const TSonpixBytes& file, TInspectDepth depth);
