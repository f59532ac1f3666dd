// The names extract gives its outputs, and the test that keeps every output inside its folder.
#pragma once
#include <string>
#include <vector>

// The file's name without a final ".sonpix" (in any case); the whole name when it has no such end.
std::string SonpixStem(const std::string& fileName);

// Why a name would not be a plain file name inside the output folder (empty when it is one):
// empty, "." or "..", or holding a path separator, a drive colon or a control byte.
std::string UnsafeNameReason(const std::string& name);

struct TExtractName {
    enum TKind { picture, sound, makerPicture, makerText } kind;
    std::string name;
};

// NAME.jpg, NAME.wav, NAME-maker.jpg, NAME-maker.txt for the stem NAME.
std::vector<TExtractName> ExtractNames(const std::string& stem);
