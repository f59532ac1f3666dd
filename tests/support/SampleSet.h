// The project's sample Sonpix files: what each is made of, shared by the sample writer and the
// tests that compare what the tools report with the values the samples were made with.
#pragma once
#include <string>
#include <vector>

#include "SampleImages.h"
#include "SonpixWriter.h"
#include "WavSynth.h"

struct TSampleFile {
    std::string fileName;  // in the program's code page (Windows-1251 in the Windows build)
    TRgbImage (*draw)(int width, int height);
    int width;
    int height;
    bool progressive;
    TToneSpec tone;
    bool withMakerPicture;
    const char* makerText;  // nullptr: no maker's text
};

constexpr int kSamplePictureQuality = 88;
constexpr int kSampleMakerWidth = 287;
constexpr int kSampleMakerHeight = 57;

const std::vector<TSampleFile>& SampleFiles();
// The parts of one sample: encoded pictures, synthesized sound, the maker's sections it has.
TSonpixFileParts SampleFileParts(const TSampleFile& sample);
