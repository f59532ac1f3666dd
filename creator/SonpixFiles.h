// The creator's files: reading a part, taking a Sonpix file apart, and writing a new one through
// the authoring library. Paths are ANSI, as everywhere in the creator.
#pragma once
#include <string>
#include <vector>

#include "authoring/FileAccess.h"
#include "creator/SonpixDocument.h"

// A part's file, named by its file name; std::runtime_error with the reason when it cannot be read.
TDraftPart ReadPartFile(const std::string& path);

// std::runtime_error when the file cannot be read or does not start with a Sonpix header; reads
// nothing more than the header.
void CheckSonpixHeader(const std::string& path);

// The four parts of a Sonpix file, cut where the viewer's own reading finds its sections; the
// parts are named after the file. std::runtime_error when it cannot be read or is no Sonpix file.
// The file is read into the memory of spare (the parts of a document it replaces, given up), so
// that opening one large file after another reads into memory already in use rather than into
// new memory, which costs about as much again as the reading.
TDraftContents SplitSonpixFile(const std::string& path, TDraftContents spare = {});

// A fault as the user reads it: the part's label (or the file's name) and the reason, ANSI.
struct TSaveFault {
    std::string who;
    std::string reason;
};

// Writes the document's parts to path (replacing a file there only with replace, forced to disk
// first as flush says) through the authoring library: complete and checked, or not at all. Returns every fault that refused it,
// none when the file is in place. The parts' bytes are lent to the library while it writes and
// are back in the document, unchanged, when this returns or throws.
std::vector<TSaveFault> WriteSonpix(TSonpixDocument& document, const std::string& path, bool replace,
                                    TFlush flush = TFlush::beforeReplacing);
