// Putting a new Sonpix file in place: complete and checked, or not at all.
#pragma once
#include <string>

#include "authoring/FileAccess.h"
#include "authoring/SonpixDraft.h"
#include "authoring/SonpixParts.h"

// Faults of the place the new file is to take: its folder must exist, and without replace its
// name must be free. Paths are UTF-8.
TAuthoringFaults FindOutputFaults(const std::string& output, bool replace);

// Checks the draft as the viewer will read the file, writes it under a temporary name beside
// output and only then gives it its name (replacing a file there only with replace), forced to
// disk first as flush says. On any fault the temporary file is removed and whatever had the name
// is left as it was.
TAuthoringFaults WriteSonpixFile(const TSonpixDraft& draft, const std::string& output, bool replace,
                                 TFlush flush = TFlush::beforeReplacing);

// The whole making of a file: the place, each part, the layout, and the checked write. Returns
// no fault when the file is in place.
TAuthoringFaults AuthorSonpixFile(const TSonpixParts& parts, const std::string& output, bool replace,
                                  TFlush flush = TFlush::beforeReplacing);
