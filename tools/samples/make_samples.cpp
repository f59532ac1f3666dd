// make_samples.exe <folder>: writes sample Sonpix files (pictures drawn in code, synthesized tones).
#include <cstdio>
#include <string>

#include "sys/PathText.h"
#include "sys/mysys.h"
#include "tests/support/SampleSet.h"
#include "tests/support/TestFiles.h"

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: make_samples <folder>\n");
        return 2;
    }
    const std::string folder = WithTrailingBackslash(argv[1]);
    if (!ForceFolderPath(folder)) {
        std::fprintf(stderr, "cannot create %s\n", folder.c_str());
        return 1;
    }
    for (const TSampleFile& sample : SampleFiles()) {
        const std::string path = folder + sample.fileName;
        if (!WriteBytesFile(path, BuildSonpix(SampleFileParts(sample)))) {
            std::fprintf(stderr, "cannot write %s\n", path.c_str());
            return 1;
        }
        std::printf("%s\n", path.c_str());
    }
    return 0;
}
