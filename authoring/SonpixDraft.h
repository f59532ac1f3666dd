// The bytes of a new Sonpix file laid out from its parts, and the check of them as the viewer
// will read them.
#pragma once
#include <cstdint>
#include <vector>

#include "authoring/SonpixParts.h"
#include "container/SonpixLayout.h"

// Where each part went in the new file, so that a fault found at an offset can name its part.
struct TPlacedPart {
    const TSonpixPart* part;
    std::int64_t at;  // offset of the part's first byte in the new file
};

struct TSonpixDraft {
    std::vector<std::uint8_t> bytes;
    SonpixMarkers plan;  // where the markers were put, which the viewer must find again
    std::vector<TPlacedPart> placed;
};

// Header, picture, separator, sound, then the maker's picture and text that are there. The draft
// points into parts, which must outlive it.
TSonpixDraft LayOutSonpix(const TSonpixParts& parts);

// Reads bytes (the draft's own, or the file written from them) as the viewer will, and refuses
// every place where it would find a border other than the planned one or fail a check; each
// fault is the new file's (who), and its reason names the part and offset at fault.
TAuthoringFaults FindDraftFaults(const TSonpixDraft& draft, const std::vector<std::uint8_t>& bytes,
                                 const std::string& who);
