// A corpus of hostile Sonpix files (damaged containers, pictures and sounds, legal extremes) with
// valid controls, made the same way on every run.
#pragma once
#include <cstddef>
#include <string>
#include <vector>

#include "SonpixWriter.h"

struct TCorpusFile {
    std::string kind;   // what was done to the file, for reports
    TBytes bytes;       // the whole Sonpix file
    bool essential = false;  // a known crash, hang or slow case: part of every short run
};

// The whole corpus, about 2,400 files.
std::vector<TCorpusFile> MakeHostileCorpus();

// At most count files of the corpus: every essential file, and the others evenly spread over the
// list so that each kind of damage is met.
std::vector<TCorpusFile> PickCorpusFiles(const std::vector<TCorpusFile>& all, std::size_t count);
