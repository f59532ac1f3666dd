// The parts a new Sonpix file is made of, and the faults that refuse one, each naming its part.
#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// One part: the name messages know it by (a path, or a label of the caller's) and its bytes.
struct TSonpixPart {
    std::string name;
    std::vector<std::uint8_t> bytes;
};

struct TSonpixParts {
    TSonpixPart picture;  // a JPEG picture
    TSonpixPart sound;    // a WAV sound
    std::optional<TSonpixPart> makerPicture;  // a JPEG picture
    // Windows-1251 text, stored as it is; an empty text gives the file no maker's text.
    std::optional<TSonpixPart> makerText;
};

// Why a part or the new file is refused: who is at fault (a part's name or the new file's)
// and the reason, in the words the user reads.
struct TAuthoringFault {
    std::string who;
    std::string reason;
};
using TAuthoringFaults = std::vector<TAuthoringFault>;
