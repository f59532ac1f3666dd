// Synthesized PCM WAV files (sine tones) for tests and samples.
#pragma once
#include "SonpixWriter.h"

struct TToneSpec {
    double frequencyHz = 440.0;
    double seconds = 1.0;
    int sampleRate = 22050;
    int channels = 1;
    int bitsPerSample = 16;  // 8 or 16
    double amplitude = 0.5;  // 0..1 of full scale
};

// A complete RIFF/WAVE file holding the tone as PCM.
TBytes SynthesizeToneWav(const TToneSpec& tone);
