// Sonpix files for the black-box tests, made of real JPEG pictures and WAV sounds.
#include "tests/win/e2e/SampleFiles.h"

#include "tests/win/e2e/ScratchFolder.h"

#include "tests/support/JpegCodec.h"
#include "tests/support/SampleImages.h"
#include "tests/support/WavSynth.h"

TBytes SampleJpeg(int width, int height, int shade) {
    TRgbImage image = MakeGradient(width, height);
    // The top row carries the shade, so that samples of the same size still differ.
    for (int x = 0; x < width; ++x) image.Set(x, 0, shade % 256, (shade * 7) % 256, (shade * 13) % 256);
    return EncodeRgbJpeg(image, 90, false);
}

TBytes SampleWav(double frequencyHz) {
    TToneSpec tone;
    tone.frequencyHz = frequencyHz;
    tone.seconds = 0.3;
    tone.sampleRate = 11025;
    tone.amplitude = 0.05;
    return SynthesizeToneWav(tone);
}

TSonpixParts SampleParts(int shade, const std::string& makerText) {
    TSonpixParts parts;
    parts.picture = SampleJpeg(64 + shade % 7, 48, shade);
    parts.sound = SampleWav(300.0 + shade);
    parts.makerPicture = SampleJpeg(40, 20, shade + 99);
    parts.makerText = makerText;
    return parts;
}

bool WriteSonpix(const std::string& path, const TSonpixParts& parts) { return WriteBytesFile(path, BuildSonpix(parts)); }
