// A new Sonpix file laid out from its parts, and the check of its bytes as the viewer will read them.
#pragma once
#include <cstdint>
#include <vector>

#include "authoring/ByteSpan.h"
#include "authoring/SonpixParts.h"
#include "container/SonpixLayout.h"

// Where each part went in the new file, so that a fault found at an offset can name its part.
struct TPlacedPart {
    const TSonpixPart* part;
    std::int64_t at;  // offset of the part's first byte in the new file
};

// The file as the runs of bytes it is written from, in order: the markers' constants and the parts'
// own bytes, so that laying out a 100 MB sound copies nothing.
struct TSonpixDraft {
    std::vector<TByteSpan> pieces;
    std::size_t size = 0;
    SonpixMarkers plan;  // where the markers were put, which the viewer must find again
    std::vector<TPlacedPart> placed;
};

// Header, picture, separator, sound, then the maker's picture and text that are there. The draft
// points into parts, which must outlive it.
TSonpixDraft LayOutSonpix(const TSonpixParts& parts);

// Reads the file the draft makes as the viewer will, from the pieces where they lie, and refuses
// every place where it would find a border other than the planned one or fail a check; each
// fault is the new file's (who), and its reason names the part and offset at fault.
TAuthoringFaults FindDraftFaults(const TSonpixDraft& draft, const std::string& who);
