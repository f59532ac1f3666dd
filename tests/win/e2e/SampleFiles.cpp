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

TBytes FlatJpeg(int width, int height, const TRgb& colour) {
    TRgbImage image(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) image.Set(x, y, colour.r, colour.g, colour.b);
    return EncodeRgbJpeg(image, 90, false);
}

TBytes HeadMarkedWav(double seconds, double loudSeconds) {
    TToneSpec tone;
    tone.frequencyHz = 440.0;
    tone.seconds = seconds;
    tone.sampleRate = 11025;
    tone.amplitude = 0.6;
    TBytes wav = SynthesizeToneWav(tone);
    // 16-bit mono samples after the 44-byte header: those after the head are cut to a sixth.
    const size_t head = 44 + 2 * static_cast<size_t>(loudSeconds * tone.sampleRate);
    for (size_t i = head; i + 1 < wav.size(); i += 2) {
        const short value = static_cast<short>(wav[i] | (wav[i + 1] << 8)) / 6;
        wav[i] = static_cast<std::uint8_t>(value & 0xFF);
        wav[i + 1] = static_cast<std::uint8_t>((value >> 8) & 0xFF);
    }
    return wav;
}

TSonpixFileParts SampleParts(int shade, const std::string& makerText) {
    TSonpixFileParts parts;
    parts.picture = SampleJpeg(64 + shade % 7, 48, shade);
    parts.sound = SampleWav(300.0 + shade);
    parts.makerPicture = SampleJpeg(40, 20, shade + 99);
    parts.makerText = makerText;
    return parts;
}

bool WriteSonpix(const std::string& path, const TSonpixFileParts& parts) { return WriteBytesFile(path, BuildSonpix(parts)); }
