// Builds Sonpix files from their parts for tests, samples and benchmarks.
#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

using TBytes = std::vector<std::uint8_t>;

struct TSonpixFileParts {
    TBytes picture;
    TBytes sound;
    std::optional<TBytes> makerPicture;  // written with its marker when present
    std::optional<std::string> makerText;  // Windows-1251 bytes; written with its marker when present
};

TBytes SonpixHeader();                 // "Tolvy" 01; also the separator
TBytes MakerPictureMarker();           // "Tolvy(c)jpg" 01
TBytes MakerTextMarker();              // "Tolvy(c)txt" 01
TBytes BuildSonpix(const TSonpixFileParts& parts);

TBytes BytesOf(const std::string& text);
TBytes Concat(std::initializer_list<TBytes> pieces);
